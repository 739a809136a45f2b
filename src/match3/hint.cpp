#include "match3/hint.h"

#include "app/frame_timing.h"
#include "match3/board_math.h"
#include "match3/main_game.h"
#include "match3/tile.h"
#include "media/media.h"

int THint::CountDir() {
  if (tile2->c < tile1->c) return 0;
  if (tile2->r < tile1->r) return 1;
  if (tile2->c > tile1->c) return 2;
  return 3;
}

int THint::CountPositions() {
  if (MainGame) MainGame->ResetHint();
  if (!tile1 || !tile2) return 0;
  const int v = 24;
  int x1 = tile1->drawX, y1 = tile1->drawY, x2 = tile2->drawX, y2 = tile2->drawY;
  switch (CountDir()) {
    case 0:
      rot1 = -180, rot2 = 0, vx1 = -v, vy1 = 0, vx2 = v, vy2 = 0;
      posX1 = x1, posY1 = y1 - 12, posX2 = x2, posY2 = y2 + 12;
      break;
    case 1:
      rot1 = -90, rot2 = 90, vx1 = 0, vy1 = -v, vx2 = 0, vy2 = v;
      posX1 = x1 + 12, posY1 = y1, posX2 = x2 - 12, posY2 = y2;
      break;
    case 2:
      rot1 = 0, rot2 = -180, vx1 = v, vy1 = 0, vx2 = -v, vy2 = 0;
      posX1 = x1, posY1 = y1 + 12, posX2 = x2, posY2 = y2 - 12;
      break;
    default:
      rot1 = 90, rot2 = -90, vx1 = 0, vy1 = v, vx2 = 0, vy2 = -v;
      posX1 = x1 - 12, posY1 = y1, posX2 = x2 + 12, posY2 = y2;
      break;
  }
  return 0;
}

int THint::update() {
  p = Approach(p, dp, 0.05f);
  if (p == dp) dp = dp == 0 ? 1.0f : 0.0f;
  a = Approach(a, da, 0.05f);
  if (da == 0 && a == 0 && MainGame) {
    MainGame->ResetHint();
    if (MainGame->hint.get() == this) MainGame->hint = nullptr;
  }
  return 0;
}

int THint::draw() {
  THintPtr keep = shared_from_this();  // update may drop the screen's reference
  update();
  TImage* arrow = MainGame ? MainGame->arrow : nullptr;
  SetDrawColour(255, 255, 255);
  SetDrawScale(1, 1);
  SetBlendMode(kBlendAlpha);
  SetDrawAlpha(a);
  float k = SinDeg(90 * p);
  SetDrawRotation(static_cast<float>(rot1));
  DrawImageAt(arrow, static_cast<float>(posX1) + static_cast<float>(vx1) * k,
              static_cast<float>(posY1) + static_cast<float>(vy1) * k);
  SetDrawRotation(static_cast<float>(rot2));
  DrawImageAt(arrow, static_cast<float>(posX2) + static_cast<float>(vx2) * k,
              static_cast<float>(posY2) + static_cast<float>(vy2) * k);
  SetDrawRotation(0);
  return 0;
}
