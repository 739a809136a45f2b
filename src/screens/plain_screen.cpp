#include "screens/plain_screen.h"

#include "app/frame_timing.h"
#include "app/update_common.h"
#include "media/media.h"

TPlainScreen::TPlainScreen(const char* name, std::vector<Exit> exitList)
    : exits(std::move(exitList)), name_(name) {}

int TPlainScreen::exitAt(float x, float y) const {
  if (exits.size() == 1) return 0;
  for (size_t i = 0; i < exits.size(); ++i) {
    float top = RowTop(static_cast<int>(i));
    if (x >= kRowLeft && x <= kRowLeft + kRowWidth && y >= top && y <= top + kRowHeight)
      return static_cast<int>(i);
  }
  return -1;
}

int TPlainScreen::update() {
  UpdateCommon();
  _updateFade();
  _updateAlpha();
  return 0;
}

static void DrawCentred(const std::string& text, float y) {
  DrawTextAt(text, static_cast<float>(512 - TextWidthOf(text) / 2), y);
}

int TPlainScreen::draw() {
  if (caller_) caller_->draw();
  SetDrawScale(1, 1);
  SetDrawRotation(0);
  SetBlendMode(kBlendAlpha);
  SetTextFont(nullptr);
  // A dark card keeps the text readable over whatever the caller drew.
  SetDrawColour(20, 24, 40);
  SetDrawAlpha(alpha * (caller_ ? 0.85f : 1.0f));
  FillRect(192, 180, 640, 440);
  SetDrawColour(255, 255, 255);
  SetDrawAlpha(alpha);
  DrawCentred(name_, 220);
  if (!subtitle.empty()) DrawCentred(subtitle, 260);
  if (exits.size() == 1) {
    DrawCentred("click to continue: " + exits[0].label, RowTop(0) + 12);
  } else {
    for (size_t i = 0; i < exits.size(); ++i) {
      float top = RowTop(static_cast<int>(i));
      SetDrawColour(70, 80, 120);
      FillRect(kRowLeft, top, kRowWidth, kRowHeight);
      SetDrawColour(255, 255, 255);
      DrawCentred(exits[i].label, top + 12);
    }
  }
  if (!caller_) _drawFade();
  return 0;
}

void TPlainScreen::leave(int result) {
  wynik = result;
  if (caller_) {
    dAlpha = 0;
  } else {
    dFade = 1;
  }
}

void TPlainScreen::onExit(const Exit& chosen) {
  leave(chosen.result);
}

int TPlainScreen::runPlain(TEkran* caller) {
  TScreenOnShow onShow(this);
  caller_ = caller;
  wynik = 0;
  if (caller_) {
    alpha = 0;
    dAlpha = 1;
    fade = 0;
    dFade = 0;
  } else {
    alpha = 1;
    dAlpha = 1;
    fade = 1;
    dFade = 0;
  }
  _prepareDelta();
  bool leaving = false;
  for (;;) {
    ClearBackBuffer();
    update();
    draw();
    FlipFrame(1);
    bool shown = caller_ ? alpha == 1 : fade == 0;
    if (!leaving && shown && Mouse->leftPressed != 0) {
      int row = exitAt(Mouse->x, Mouse->y);
      if (row >= 0) {
        leaving = true;
        onExit(exits[static_cast<size_t>(row)]);
      }
    }
    if (caller_ ? (alpha == 0 && dAlpha == 0) : (fade == 1 && dFade == 1)) break;
  }
  caller_ = nullptr;
  return wynik;
}
