#include "match3/flying_chip.h"

#include "app/frame_timing.h"
#include "match3/board_math.h"
#include "match3/chip.h"
#include "match3/effect_lists.h"
#include "match3/level.h"
#include "match3/particle.h"
#include "match3/tile.h"
#include "media/media.h"

namespace {
TLevelPtr LevelOf(const TChipPtr& chip) {
  TTilePtr t = chip ? chip->Tile() : nullptr;
  return t ? t->Level() : nullptr;
}
}  // namespace

std::shared_ptr<TFlyingChip> NewFlyingChip(const TChipPtr& chip, int x1, int y1, int x2, int y2,
                                           int mx, int my, int delay) {
  auto f = std::make_shared<TFlyingChip>();
  f->chip = chip;
  f->level = LevelOf(chip);
  f->x1 = f->x = static_cast<float>(x1);
  f->y1 = f->y = static_cast<float>(y1);
  f->x2 = static_cast<float>(x2);
  f->y2 = static_cast<float>(y2);
  f->mx = static_cast<float>(mx);
  f->my = static_cast<float>(my);
  f->pSpeed = RandomFloat(0.01f, 0.02f);
  f->time = MillisecondClock() + delay;
  f->endMe = 0;
  FlyingChipList.AddLast(f);
  return f;
}

std::shared_ptr<TFlyingChip> NewFlyingChipOut(const TChipPtr& chip) {
  auto f = std::make_shared<TFlyingChip>();
  f->chip = chip;
  f->level = LevelOf(chip);
  f->x1 = f->x = chip ? chip->drawX : 0;
  f->y1 = f->y = chip ? chip->drawY : 0;
  f->x2 = f->x1 + static_cast<float>(RandomInt(-100, 100));
  f->y2 = 800;
  f->mx = f->x1 + (f->x2 - f->x1) / 2;
  f->my = f->y1 - static_cast<float>(RandomInt(-50, 80));
  f->pSpeed = RandomFloat(0.01f, 0.03f);
  f->time = MillisecondClock();
  f->endMe = 1;
  FlyingChipList.AddLast(f);
  return f;
}

int TFlyingChip::draw() {
  SetDrawScale(1, 1);
  SetDrawRotation(p * 360);
  SetBlendMode(kBlendAlpha);
  SetDrawColour(255, 255, 255);
  DrawImageAt(chip ? chip->img : nullptr, x, y);
  return 0;
}

int TFlyingChip::generate() {
  int now = MillisecondClock();
  partTime = now + 50;
  int d = RandomInt(0, 1) == 1 ? -1 : 1;
  TRGB colour = chip ? chip->rgb : TRGB{};
  auto spark = [&](const TRGB& c) {
    float sx = x + RandomInt(-5, 5), sy = y + RandomInt(-5, 5);
    float ex = x + RandomInt(-5, 5), ey = y + RandomInt(-5, 5);
    float cx = x + RandomInt(-5, 5), cy = y + RandomInt(-5, 5);
    float rot = static_cast<float>(d * 360 + RandomInt(0, 1) * 90);
    CreateParticle(2, sx, sy, ex, ey, cx, cy, c, 1, 0, 0.5f, 1, 0, rot, kBlendLight, 0, 1000);
  };
  spark(colour);
  if (RandomInt(0, 1) == 1) {
    TRGB white;
    white.r = white.g = white.b = 255;
    spark(white);
  }
  return 0;
}

int TFlyingChip::update() {
  int now = MillisecondClock();
  if (now < time) return 0;
  p += pSpeed * FrameDelta;
  if (p > 1) p = 1;
  float e = SinDeg(90 * p);
  if (now > partTime) generate();
  x = x1 + 2 * e * (mx - x1) + e * e * (x2 - 2 * mx + x1);
  y = y1 + 2 * e * (my - y1) + e * e * (y2 - 2 * my + y1);
  if (p == 1) destroy();
  return 0;
}

int TFlyingChip::destroy() {
  if (endMe == 0 && level && chip) level->AddCollect(*chip);
  FlyingChipList.Remove(this);
  return 0;
}

int UpdateFlyingChips() {
  FlyingChipList.ForEach([](const std::shared_ptr<TFlyingChip>& f) { f->update(); });
  return 0;
}

int DrawFlyingChips() {
  FlyingChipList.ForEach([](const std::shared_ptr<TFlyingChip>& f) { f->draw(); });
  return 0;
}
