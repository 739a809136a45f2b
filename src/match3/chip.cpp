#include "match3/chip.h"

#include "app/frame_timing.h"
#include "match3/board_math.h"
#include "match3/board_sound.h"
#include "match3/flying_chip.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "match3/pair.h"
#include "match3/tile.h"
#include "media/media.h"

namespace {

bool IsPicked(const TTilePtr& t) {
  return t && MainGame && MainGame->picked == t;
}

}  // namespace

TChipPtr TChip::Copy() {
  auto c = std::make_shared<TChip>();
  c->id = id;
  c->img = img;
  c->rgb = rgb;
  return c;
}

int TChip::ChangeMe(const TChipPtr& kind) {
  if (kind) {
    id = kind->id;
    img = kind->img;
    rgb = kind->rgb;
  }
  changeChipTo = nullptr;
  changeA = 0;
  return 0;
}

int TChip::CreateMe() {
  vy = -kCellSize;
  alpha = 0;
  state = kChipCreating;
  return 0;
}

int TChip::Fall() {
  vy = -kCellSize;
  state = kChipFalling;
  PlayBoardMoveSound();
  return 0;
}

int TChip::Land() {
  state = kChipLanding;
  landVY = -8.0f / 3.0f;
  PlayBoardSound("cash");
  return 0;
}

int TChip::FlyOut() {
  TTilePtr t = Tile();
  if (t && t->chip.get() == this) t->chip = nullptr;
  NewFlyingChipOut(shared_from_this());
  return 0;
}

int TChip::drawChanging() {
  changeA += 0.05f * FrameDelta;
  if (changeA > 1) changeA = 1;
  SetDrawScale(scale, scale);
  SetDrawAlpha(alpha - changeA);
  DrawImageAt(img, drawX, drawY);
  SetDrawAlpha(changeA);
  DrawImageAt(changeChipTo ? changeChipTo->img : nullptr, drawX, drawY);
  if (changeA == 1) ChangeMe(changeChipTo);
  return 0;
}

int TChip::draw() {
  CountPosition();
  if (changeChipTo) {
    drawChanging();
    return 0;
  }
  TTilePtr t = Tile();
  bool picked = IsPicked(t);
  if (picked) SetDrawRotation(15 * SinDeg(90 * MainGame->pickPer));
  float sc = scale;
  if (id == kBombChipId || id == kLightningChipId) sc = scale + 0.2f * SinDeg(90 * pwrP);
  SetDrawScale(sc, sc);
  SetDrawAlpha(alpha);
  DrawImageAt(img, drawX, drawY);
  if (picked) {
    SetBlendMode(kBlendLight);
    SetDrawAlpha(std::fabs(0.25f * SinDeg(90 * MainGame->pickPer)));
    DrawImageAt(img, drawX, drawY);
    SetBlendMode(kBlendAlpha);
    SetDrawAlpha(1);
  }
  SetDrawRotation(0);
  return 0;
}

int TChip::_update_STATE_Falling() {
  vy += 8 * FrameDelta;
  if (vy < 0) return 0;
  vy = 0;
  state = kChipRest;
  return _arrive();
}

int TChip::_arrive() {
  TTilePtr t = Tile();
  if (!t) return 0;
  if (t->CheckFall()) {
    Land();
    return 0;
  }
  if (t->CheckMatch()) return 0;
  Land();
  return 0;
}

int TChip::_update_STATE_Land() {
  vy += landVY * FrameDelta;
  landVY += 0.5f * FrameDelta;
  if (landVY > 4) landVY = 4;
  if (vy > 0) {
    vy = 0;
    state = kChipRest;
  }
  return 0;
}

int TChip::BombTile() {
  TTilePtr t = Tile();
  if (MainGame && t) MainGame->Bomb(t);
  return 0;
}

int TChip::LightTile() {
  TTilePtr t = Tile();
  if (MainGame && t) MainGame->Lightning(t);
  return 0;
}

int TChip::_update_STATE_Destroy() {
  int now = MillisecondClock();
  if (now < destrTime) return 0;
  if (byloDestroy == 0) {
    byloDestroy = 1;
    TTilePtr t = Tile();
    if (t && t->MatchTile() == 1) {
      state = kChipRest;
      destrTime = 0;
      byloDestroy = 0;
      return 0;
    }
    CheckIfToCollect();
    PlayBoardSound("mark" + std::to_string(RandomInt(1, 2)));
  }
  destrPer += 0.05f * FrameDelta;
  if (destrPer > 1) destrPer = 1;
  if (destrPer <= 0.4f) {
    scale = 1 + 0.25f * SinDeg(180 * destrPer / 0.4f);
  } else {
    scale = 1 - (destrPer - 0.4f) / 0.6f;
  }
  alpha = 1;
  if (now > partTime) {
    partTime = now + 50;
    GenerateDestroyParticles();
  }
  if (destrPer == 1) KILL();
  return 0;
}

int TChip::_update_STATE_Create() {
  vy += 8 * FrameDelta;
  if (vy > 0) vy = 0;
  alpha = (kCellSize - std::fabs(vy)) / kCellSize;
  if (vy != 0) return 0;
  alpha = 1;
  state = kChipRest;
  return _arrive();
}

int TChip::update() {
  if (id == kBombChipId) _updatePowerUp_BombAnim();
  if (id == kLightningChipId) _updatePowerUp_LightAnim();
  switch (state) {
    case kChipFalling:
      _update_STATE_Falling();
      break;
    case kChipLanding:
      _update_STATE_Land();
      break;
    case kChipDestroying:
      _update_STATE_Destroy();
      break;
    case kChipCreating:
      _update_STATE_Create();
      break;
    default:
      break;
  }
  return 0;
}

int TChip::CountPosition() {
  TTilePtr t = Tile();
  if (!t) return 0;
  drawX = static_cast<float>(t->drawX);
  drawY = static_cast<float>(t->drawY) + vy;
  if (auto p = pair.lock()) {
    drawX += kCellSize * p->GetXVector(this);
    drawY += kCellSize * p->GetYVector(this);
  }
  return 0;
}

int TChip::Destroy(int delay, int type) {
  destroyType = type;
  destrPer = 0;
  destrTime = MillisecondClock() + delay;
  state = kChipDestroying;
  return 0;
}

int TChip::CanMove() {
  TTilePtr t = Tile();
  if (t && (t->chain != 0 || t->chest != 0)) return 0;
  if (state == kChipFalling || state == kChipDestroying || state == kChipCreating) return 0;
  return 1;
}

int TChip::isPowerUp() {
  return id > 100 ? 1 : 0;
}

int TChip::isFree() {
  return (pair.expired() && state != kChipDestroying) ? 1 : 0;
}

int TChip::isHappening() {
  return state;
}

int TChip::CheckIfToCollect() {
  TTilePtr t = Tile();
  TLevelPtr lv = t ? t->Level() : nullptr;
  if (!lv) return 0;
  std::optional<TDim> where = lv->ChipIsOneOfAvailables(*this);
  if (!where) return 0;
  int x = TruncInt(where->x), y = TruncInt(where->y);
  int mx = drawX < 512 ? x - 200 : x + 200;
  NewFlyingChip(shared_from_this(), TruncInt(drawX), TruncInt(drawY), x, y, mx, y + 150, 0);
  return 1;
}

int TChip::ChangeTo(const TChipPtr& kind) {
  if (!kind || changeChipTo || state == kChipDestroying) return 0;
  changeChipTo = kind;
  changeA = 0;
  return 0;
}

int TChip::KILL() {
  if (id == kBombChipId) BombTile();
  if (id == kLightningChipId) LightTile();
  TTilePtr t = Tile();
  if (t && t->chip.get() == this) t->chip = nullptr;
  return 0;
}
