#include "match3/fantom.h"

#include "app/frame_timing.h"
#include "match3/board_math.h"
#include "match3/chip.h"
#include "match3/effect_lists.h"
#include "match3/tile.h"
#include "media/media.h"

namespace {
std::shared_ptr<TFantom> NewFantom(const TTilePtr& tile, int delay, int typ) {
  auto f = std::make_shared<TFantom>();
  f->tile = tile;
  f->time = MillisecondClock() + delay;
  f->typ = typ;
  if (typ == 1) f->scale = f->alpha = 1;
  if (tile) {
    f->x = static_cast<float>(tile->drawX);
    f->y = static_cast<float>(tile->drawY);
    tile->_fantom = f;
  }
  FantomList.AddLast(f);
  return f;
}
}  // namespace

std::shared_ptr<TFantom> NewFantomIn(const TTilePtr& tile, int delay) {
  return NewFantom(tile, delay, 0);
}

std::shared_ptr<TFantom> NewFantomOut(const TTilePtr& tile, int delay) {
  return NewFantom(tile, delay, 1);
}

int UpdateFantoms() {
  FantomList.ForEach([](const std::shared_ptr<TFantom>& f) { f->update(); });
  return 0;
}

int DrawFantoms() {
  FantomList.ForEach([](const std::shared_ptr<TFantom>& f) { f->draw(); });
  return 0;
}

int AllFantomsDone() {
  int done = 1;
  FantomList.ForEach([&](const std::shared_ptr<TFantom>& f) {
    if (f->per != 1) done = 0;
  });
  return done;
}

int TFantom::drawBorder() {
  return 0;
}

int TFantom::draw() {
  TTilePtr t = tile.lock();
  if (!t) return 0;
  if (typ == 0 && MillisecondClock() < time) return 0;
  SetDrawScale(scale, scale);
  SetDrawAlpha(alpha);
  SetDrawRotation(rotation);
  SetBlendMode(kBlendAlpha);
  SetDrawColour(255, 255, 255);
  if (t->id == 1 || t->id == 2) DrawImageAt(TileImages[t->id - 1], x, y);
  if (t->chip) DrawImageAt(t->chip->img, x, y);
  if (t->chain == 1 || t->chain == 2) DrawImageAt(ChainImages[t->chain - 1], x, y);
  if (t->chest) DrawImageAt(ChestImage, x, y);
  SetDrawScale(1, 1);
  SetDrawAlpha(1);
  SetDrawRotation(0);
  return 0;
}

int TFantom::_update_STATE_Begin() {
  per += 0.05f * FrameDelta;
  if (per > 1) per = 1;
  float s = SinDeg(90 * per);
  scale = alpha = s;
  rotation = 360 * s;
  if (per == 1) Destroy();
  return 0;
}

int TFantom::_update_STATE_END() {
  per += 0.02f * FrameDelta;
  // Fifty steps of 0.02 fall just short of 1 in single precision: snap to keep 50 frames.
  if (per >= 0.99999f) per = 1;
  float s = SinDeg(90 * per);
  scale = alpha = 1 - s;
  rotation = 1 - 360 * s;
  if (per == 1) Destroy();
  return 0;
}

int TFantom::update() {
  TTilePtr t = tile.lock();
  if (!t) {
    FantomList.Remove(this);
    return 0;
  }
  x = static_cast<float>(t->drawX);
  y = static_cast<float>(t->drawY);
  if (MillisecondClock() < time) return 0;
  return typ == 0 ? _update_STATE_Begin() : _update_STATE_END();
}

int TFantom::Destroy() {
  auto self = shared_from_this();
  TTilePtr t = tile.lock();
  if (typ == 0 && t && t->_fantom.get() == this) t->_fantom = nullptr;
  FantomList.Remove(this);
  return 0;
}
