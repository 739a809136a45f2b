#include "gui/gui_screen.h"

#include <cmath>
#include <numbers>

#include "app/frame_timing.h"
#include "app/update_common.h"
#include "gui/gui.h"
#include "media/media.h"

TGuiScreen::TGuiScreen(const TScreenDescriptor& descriptor, Kind kind, unsigned exitWhen)
    : kind_(kind),
      exitWhen_(exitWhen != 0 ? exitWhen : (kind == kTopLevel ? kExitFade : kExitAlpha)),
      descriptor_(descriptor) {}

TGuiScreen::~TGuiScreen() {
  delete gui;
}

int TGuiScreen::setup() {
  if (!descriptor_.gui) return 0;
  delete gui;
  gui = LoadGui(descriptor_.GuiPath());
  return 0;
}

TImage* TGuiScreen::Picture(const std::string& key) const {
  return LoadScreenPicture(descriptor_, key);
}

void TGuiScreen::OnClick(const std::string& name, std::function<int()> go) {
  buttons_.push_back({name, std::move(go)});
}

int TGuiScreen::_updateShow() {
  showPer = Approach(showPer, dShowPer, 0.05f);
  return 0;
}

float TGuiScreen::CountY() {
  const double h = ImageHeightOf(panelImage());
  return static_cast<float>(h - h * std::sin(std::numbers::pi / 2 * static_cast<double>(showPer)));
}

int TGuiScreen::update() {
  UpdateCommon();
  _updateFade();
  _updateAlpha();
  _updateGui();
  if (exitWhen_ & kExitShow) _updateShow();
  _updateContent();
  return 0;
}

int TGuiScreen::_drawBack() {
  if (!ekran) return 0;
  ekran->draw();
  SetDrawColour(255, 255, 255);
  SetBlendMode(kBlendAlpha);
  SetDrawAlpha(alpha);
  SetDrawRotation(0);
  SetDrawScale(1, 1);
  return 0;
}

int TGuiScreen::draw() {
  _drawBack();
  _drawContent();
  _drawGui();
  if (kind_ == kTopLevel || (exitWhen_ & kExitFade)) _drawFade();
  return 0;
}

int TGuiScreen::prepare() {
  wynik = 0;
  if (kind_ == kTopLevel) {
    alpha = dAlpha = 1;
    fade = 1;
    dFade = 0;
  } else {
    alpha = 0;
    dAlpha = 1;
    fade = dFade = 0;
    if (exitWhen_ & kExitShow) {
      showPer = 0;
      dShowPer = 1;
    }
  }
  _prepareDelta();
  return 0;
}

int TGuiScreen::_react() {
  if (gui) {
    for (const TButton& button : buttons_)
      if (gui->clickedItem(button.name)) button.go();
  }
  _reactKeys();
  return 0;
}

bool TGuiScreen::_exitReached() const {
  if ((exitWhen_ & kExitFade) && fade == 1 && dFade == 1) return true;
  if ((exitWhen_ & kExitAlpha) && alpha == 0 && dAlpha == 0) return true;
  if ((exitWhen_ & kExitShow) && showPer == 0 && dShowPer == 0) return true;
  return false;
}

int TGuiScreen::leave(int result) {
  wynik = result;
  if (kind_ == kTopLevel) {
    dFade = 1;
  } else if (exitWhen_ & kExitShow) {
    dShowPer = 0;
  } else {
    dAlpha = 0;
  }
  return 0;
}

int TGuiScreen::leaveAtOnce(int result) {
  wynik = result;
  fade = dFade = 1;
  return 0;
}

int TGuiScreen::run(TEkran* caller) {
  TScreenOnShow onShow(this);
  ekran = caller;
  prepare();
  for (;;) {
    ClearBackBuffer();
    update();
    draw();
    FlipFrame(cursor_);
    _react();
    if (_exitReached()) break;
  }
  _afterLoop();
  ekran = nullptr;
  return wynik;
}
