#include "match3/flying_chest.h"

#include "app/frame_timing.h"
#include "match3/effect_lists.h"
#include "match3/tile.h"
#include "media/media.h"

std::shared_ptr<TFlyingChest> NewFlyingChest(int x, int y) {
  auto f = std::make_shared<TFlyingChest>();
  f->x = static_cast<float>(x);
  f->y = static_cast<float>(y);
  f->vy = -5;
  f->vx = RandomFloat(1, 2);
  if (RandomInt(0, 1) == 1) f->vx = -f->vx;
  FlyingChestList.AddLast(f);
  return f;
}

int TFlyingChest::draw() {
  SetDrawRotation(rot);
  SetDrawScale(1, 1);
  SetDrawAlpha(1);
  SetBlendMode(kBlendAlpha);
  SetDrawColour(255, 255, 255);
  DrawImageAt(ChestImage, x, y);
  return 0;
}

int TFlyingChest::update() {
  x += vx * FrameDelta;
  y += vy * FrameDelta;
  vy += 0.2f * FrameDelta;
  if (vy > 5) vy = 5;
  rot += 1 * FrameDelta;
  if (y > 800) destroy();
  return 0;
}

int TFlyingChest::destroy() {
  FlyingChestList.Remove(this);
  return 0;
}

int UpdateAndDrawFlyingChests() {
  FlyingChestList.ForEach([](const std::shared_ptr<TFlyingChest>& f) {
    f->update();
    f->draw();
  });
  return 0;
}
