#include "screens/placeholder_screen.h"

#include <memory>

#include "gui/gui.h"
#include "media/media.h"

namespace {

void DrawCentred(const std::string& text, float y) {
  DrawTextAt(text, static_cast<float>(512 - TextWidthOf(text) / 2), y);
}

}  // namespace

int TPlaceholderScreen::setup() {
  delete gui;
  gui = new TGui();
  const auto& table = buttons();
  for (size_t i = 0; i < table.size(); ++i) {
    auto row = std::make_shared<TGuiObject>();
    row->id = table[i].name;
    row->standardProps = std::make_shared<TProperties>();
    row->actProps = row->standardProps;
    if (table.size() == 1) {
      row->dim = {0, 0, 1024, 768, 512, 384};
    } else {
      const float top = RowTop(static_cast<int>(i));
      row->dim = {
          kRowLeft, top, kRowWidth, kRowHeight, kRowLeft + kRowWidth / 2, top + kRowHeight / 2};
    }
    gui->objects.push_back(row);
  }
  return 0;
}

int TPlaceholderScreen::prepare() {
  if (!gui) setup();
  return TGuiScreen::prepare();
}

void TPlaceholderScreen::LeaveOnClick(const std::string& name, int result) {
  OnClick(name, [this, result] { return leave(result); });
}

int TPlaceholderScreen::_react() {
  const bool shown = kind_ == kModal ? alpha == 1 : fade == 0;
  const bool leaving = kind_ == kModal ? dAlpha == 0 : dFade == 1;
  if (shown && !leaving) TGuiScreen::_react();
  return 0;
}

int TPlaceholderScreen::_drawContent() {
  SetDrawScale(1, 1);
  SetDrawRotation(0);
  SetBlendMode(kBlendAlpha);
  SetTextFont(nullptr);
  // A dark card keeps the text readable over whatever the caller drew.
  SetDrawColour(20, 24, 40);
  SetDrawAlpha(alpha * (ekran ? 0.85f : 1.0f));
  FillRect(192, 180, 640, 440);
  SetDrawColour(255, 255, 255);
  SetDrawAlpha(alpha);
  DrawCentred(screenName(), 220);
  if (!subtitle.empty()) DrawCentred(subtitle, 260);
  const auto& table = buttons();
  if (table.size() == 1) {
    DrawCentred("click to continue: " + table[0].name, RowTop(0) + 12);
  } else {
    for (size_t i = 0; i < table.size(); ++i) {
      const float top = RowTop(static_cast<int>(i));
      SetDrawColour(70, 80, 120);
      FillRect(kRowLeft, top, kRowWidth, kRowHeight);
      SetDrawColour(255, 255, 255);
      DrawCentred(table[i].name, top + 12);
    }
  }
  return 0;
}
