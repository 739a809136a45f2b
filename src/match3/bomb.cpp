#include "match3/bomb.h"

#include <cmath>

#include "app/frame_timing.h"
#include "match3/board_math.h"
#include "match3/board_sound.h"
#include "match3/chip.h"
#include "match3/effect_lists.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "match3/particle.h"
#include "match3/power_up.h"
#include "match3/tile.h"
#include "media/media.h"

namespace {

float Curve(float a, float m, float b, float p) {
  return a + 2 * p * (m - a) + p * p * (b - 2 * m + a);
}

}  // namespace

int TBomb::isChipAtBomb(const TChip* chip) {
  int found = 0;
  BombList.ForEach([&](const TBombPtr& bomb) {
    if (bomb->dChip.get() == chip) found = 1;
  });
  return found;
}

TChipPtr TBomb::GetRandomChip() {
  if (!MainGame || !MainGame->level) return nullptr;
  std::vector<TChipPtr> free;
  for (auto& chip : MainGame->level->GetAllChipsList())
    if (!isChipAtBomb(chip.get())) free.push_back(chip);
  if (free.empty()) return nullptr;
  int k = RandomInt(1, static_cast<int>(free.size()));
  return free[static_cast<size_t>(k - 1)];
}

int TBomb::draw() {
  if (MillisecondClock() < time) return 0;
  SetDrawColour(255, 255, 255);
  SetDrawRotation(rot);
  SetBlendMode(kBlendAlpha);
  SetDrawScale(1, 1);
  SetDrawAlpha(alpha);
  if (iMustGo) DrawImageAt(BombImage, x, y);
  SetDrawRotation(0);
  return 0;
}

int TBomb::_updateChipBomb() {
  per = std::min(1.0f, per + 0.025f * FrameDelta);
  alpha = std::min(1.0f, alpha + 0.1f * FrameDelta);
  rot = 0;
  x = Curve(x1, mx, x2, per);
  y = Curve(y1, my, y2, per);
  if (per >= 1) Destroy();
  return 0;
}

int TBomb::_updateTileBomb() {
  per = std::min(1.0f, per + 0.01f * FrameDelta);
  alpha = std::min(1.0f, alpha + 0.1f * FrameDelta);
  rot = SinDeg(90 * per) * 360;
  x = Curve(x1, mx, x2, per);
  y = Curve(y1, my, y2, per);
  if (MillisecondClock() > partTIme) {
    partTIme = MillisecondClock() + 100;
    generateSpecParticles();
  }
  if (per >= 1) Destroy();
  return 0;
}

int TBomb::update() {
  if (MillisecondClock() < time) return 0;
  return iMustGo ? _updateChipBomb() : _updateTileBomb();
}

int TBomb::generateSpecParticles() {
  float dx = lastX - x, dy = lastY - y;
  for (int i = 1; i <= 9; ++i) {
    float fa = static_cast<float>(i) / 10, fb = static_cast<float>(i + 1) / 10;
    float sx = x + dx * fa, sy = y + dy * fa;
    float ex = x + dx * fb + static_cast<float>(RandomInt(-10, 10));
    float ey = y + dy * fb + static_cast<float>(RandomInt(-10, 10));
    int v = RandomInt(200, 255);
    TRGB colour;
    colour.r = static_cast<float>(v);
    colour.g = static_cast<float>(v);
    colour.b = 0;
    switch (RandomInt(0, 2)) {
      case 1:
        colour.g = static_cast<float>(v / 2);
        colour.b = static_cast<float>(v / 4);
        break;
      case 2:
        colour.g = 0;
        break;
      default:
        break;
    }
    float spin = RandomInt(0, 1) == 0 ? 360.0f : 450.0f;
    CreateParticle(1, sx, sy, ex, ey, (sx + ex) / 2, (sy + ey) / 2, colour, 1, 0, 0.5f, 2.0f, 0,
                   spin, kBlendLight, RandomInt(0, 20), 500);
  }
  lastX = x;
  lastY = y;
  return 0;
}

int TBomb::Destroy() {
  // The bomb leaves the list first: what it sets off may launch or look for bombs.
  TBombPtr keep = shared_from_this();
  BombList.Remove(this);
  if (iMustGo) {
    if (dChip) {
      if (TTilePtr target = dChip->Tile()) target->BombMeSmall();
    }
  } else if (tile && MainGame) {
    MainGame->BombBig(tile->r, tile->c);
  }
  PlayBoardSound("bomb");
  return 0;
}

TBombPtr LaunchChipBomb(int delay) {
  auto bomb = std::make_shared<TBomb>();
  TChipPtr target = bomb->GetRandomChip();
  if (!target) return nullptr;
  TTilePtr cell = target->Tile();
  if (!cell) return nullptr;
  bomb->dChip = target;
  bomb->time = MillisecondClock() + delay;
  bomb->x2 = static_cast<float>(cell->drawX);
  bomb->y2 = static_cast<float>(cell->drawY);
  bomb->x1 = bomb->x2 + 1024;
  bomb->y1 = bomb->y2 + 768;
  bomb->x = bomb->x1;
  bomb->y = bomb->y1;
  bomb->iMustGo = 1;
  bomb->mx = (bomb->x1 + bomb->x2) / 2;
  bomb->my = (bomb->y1 + bomb->y2) / 2;
  BombList.AddLast(bomb);
  return bomb;
}

TBombPtr LaunchTileBomb(const TTilePtr& tile) {
  if (!tile) return nullptr;
  auto bomb = std::make_shared<TBomb>();
  bomb->tile = tile;
  bomb->time = MillisecondClock();
  bomb->x1 = 880;
  bomb->y1 = 700;
  bomb->x = bomb->x1;
  bomb->y = bomb->y1;
  bomb->x2 = static_cast<float>(tile->drawX);
  bomb->y2 = static_cast<float>(tile->drawY);
  bomb->my = 0;
  if (bomb->x2 > 512) {
    bomb->mx = std::min(1024.0f, static_cast<float>(880 + RandomInt(100, 500)));
  } else {
    bomb->mx = std::max(0.0f, static_cast<float>(880 - RandomInt(100, 500)));
  }
  bomb->lastX = bomb->x1;
  bomb->lastY = bomb->y1;
  BombList.AddLast(bomb);
  return bomb;
}

int UpdateBombs() {
  BombList.ForEach([](const TBombPtr& bomb) {
    bomb->update();
    if (BombList.Contains(bomb.get())) bomb->draw();
  });
  return 0;
}
