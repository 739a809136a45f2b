// Drawing of the game screen: background, board, effects, the head-up panel with its numbers and
// collect counters, and the big captions.
#include <algorithm>

#include "app/frame_timing.h"
#include "match3/board_math.h"
#include "match3/bomb.h"
#include "match3/caption.h"
#include "match3/chip.h"
#include "match3/fantom.h"
#include "match3/flying_chest.h"
#include "match3/flying_chip.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "match3/particle.h"
#include "match3/power_up.h"
#include "media/media.h"
#include "screens/profile.h"

std::string TimeString(int g, int m, int s) {
  auto two = [](int v) { return v < 10 ? "0" + std::to_string(v) : std::to_string(v); };
  if (g == 0) return std::to_string(m) + ":" + two(s);
  return two(g) + ":" + two(m) + ":" + two(s);
}

std::string CashString(int cash) {
  std::string digits = std::to_string(cash);
  if (digits.size() < 11) digits.insert(0, 11 - digits.size(), '0');
  return digits;
}

std::string TMainGame::CountTimeString() {
  if (!level) return TimeString(0, 0, 0);
  return TimeString(level->g, level->m, level->s);
}

std::string TMainGame::CountProfileCashString() {
  return CashString(EnsureProfile()->cash);
}

int TMainGame::draw() {
  _drawBack();
  _drawLevel();
  UpdateAndDrawFlyingChests();
  DrawFantoms();
  _drawPanel();
  _drawPowerUps();
  _drawGui();
  DrawFlyingChips();
  UpdateBombs();
  UpdateAndDrawParticles();
  _drawCaptions();
  _drawFade();
  return 0;
}

int TMainGame::_drawBack() {
  SetDrawColour(255, 255, 255);
  SetDrawAlpha(1);
  SetBlendMode(kBlendAlpha);
  SetDrawScale(1, 1);
  SetDrawRotation(0);
  DrawImageAt(background, 0, 0);
  return 0;
}

int TMainGame::_drawLevel() {
  SetDrawColour(255, 255, 255);
  SetDrawAlpha(1);
  SetDrawRotation(0);
  SetBlendMode(kBlendAlpha);
  SetDrawScale(1, 1);
  if (!level) return 0;
  _drawFrame();
  _drawTiles();
  _drawChips();
  _drawChain();
  _drawHint();
  return 0;
}

int TMainGame::_drawMyText(const std::string& text, float x, float y, int r, int g, int b) {
  SetDrawColour(0, 0, 0);
  SetDrawAlpha(1);
  DrawTextAt(text, x - 1, y - 1);
  DrawTextAt(text, x - 1, y + 1);
  DrawTextAt(text, x + 1, y - 1);
  DrawTextAt(text, x + 1, y + 1);
  SetDrawColour(r, g, b);
  DrawTextAt(text, x, y);
  SetDrawColour(255, 255, 255);
  return 0;
}

int TMainGame::_drawPanel() {
  EnsureProfile();
  float h = static_cast<float>(ImageHeightOf(panel));
  float k = SinDeg(90 * perCounter);
  float top = -h + h * k;
  SetDrawColour(255, 255, 255);
  SetBlendMode(kBlendAlpha);
  SetDrawAlpha(1);
  SetDrawRotation(0);
  SetDrawScale(1, 1);
  DrawImageAt(panel, 512, top);
  SetTextFont(font1);
  std::string tiles = std::to_string(tilesCount);
  DrawTextAt(tiles, static_cast<float>(140 - TextWidthOf(tiles) / 2), 14 + top);
  std::string clock = CountTimeString();
  DrawTextAt(clock, static_cast<float>(270 - TextWidthOf(clock) / 2), 14 + top);
  SetTextFont(cashFont);
  std::string cash = CountProfileCashString();
  DrawTextAt(cash, static_cast<float>(942 - TextWidthOf(cash)), 14 + top);
  _drawCounters();
  return 0;
}

int TMainGame::_drawCounters() {
  if (!level) return 0;
  SetTextFont(font3);
  float k = SinDeg(90 * perCounter);
  int total = 45 * static_cast<int>(level->availableChips.size());
  int i = 0;
  for (auto& kind : level->availableChips) {
    if (!kind) continue;
    if (kind->Collect == 0) kind->collectA = std::max(0.0f, kind->collectA - 0.025f * FrameDelta);
    int x = 531 - total / 2 + 45 * i;
    SetDrawColour(255, 255, 255);
    SetDrawAlpha(0.5f + 0.5f * kind->collectA);
    DrawImageAt(kind->img, static_cast<float>(x), 28 + CountVY(-100, k));
    if (kind->Collect != 0) {
      std::string count = std::to_string(kind->Collect);
      _drawMyText(count, static_cast<float>(x - TextWidthOf(count) / 2), 49 + CountVY(-100, k), 200,
                  0, 200);
    }
    ++i;
  }
  SetDrawAlpha(1);
  return 0;
}

int TMainGame::_drawCaptions() {
  UpdateAndDrawCaptions();
  if (actCaption) actCaption->draw();
  return 0;
}
