// The player's move: the cell scan, picking, swapping by a second click or by dragging, firing a
// picked power-up chip, the picked-cell pulse and the swaps in progress.
#include <cstdlib>

#include "app/frame_timing.h"
#include "app/globals.h"
#include "match3/board_math.h"
#include "match3/board_sound.h"
#include "match3/caption.h"
#include "match3/chip.h"
#include "match3/chip_kinds.h"
#include "match3/effect_lists.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "match3/pair.h"
#include "match3/particle.h"
#include "match3/tile.h"
#include "media/media.h"

namespace {
bool Pressed() {
  return Mouse && Mouse->leftPressed != 0;
}
}  // namespace

int TMainGame::_updateTilesOver() {
  over = nullptr;
  tilesCount = 0;
  if (level) {
    for (auto& row : level->tile) {
      for (auto& t : row) {
        if (t->update()) over = t;
        if (t->isHappening()) nothingHappens = 0;
        if (t->id > kTilePlain) ++tilesCount;
      }
    }
  }
  if (CheatsEnabled) {
    if (TakeKeyHits(kKeyH) > 0 && over && over->chip) over->chip->Destroy(0, kDestroyMatch);
    if (TakeKeyHits(kKeyF1) > 0 && over && over->chip) PutPowerUp(over);
  }
  if (tilesCount == 0) tilesFree = 1;
  switch (gameMode) {
    case 1:
      return _updateTiles_PowerUpLine();
    case 2:
      return _updateTiles_PowerUpDeleteChipType();
    case 3:
      return _updateTiles_PowerUpDeleteRandom();
    default:
      return _updateTilesSwap();
  }
}

int TMainGame::_updateTilesSwap() {
  if (!Mouse) return 0;
  if (picked && Pressed() && picked->chip && picked->chip->id > 100) {
    if (picked->chip->id == kBombChipId) Bomb(picked);
    if (picked->chip->id == kLightningChipId) Lightning(picked);
    Mouse->clear();
    picked = nullptr;
    holded = 0;
  }
  if (picked && holded == 1) {
    int d = CheckDistance(hx, hy, TruncInt(Mouse->x), TruncInt(Mouse->y));
    static const int kDr[4] = {0, -1, 0, 1};
    static const int kDc[4] = {-1, 0, 1, 0};
    if (d >= 0 && d < 4) {
      TTilePtr from = picked;
      SwapTiles(from, GetTileByVector(from, kDr[d], kDc[d]));
    }
    if (!Mouse->leftHolded) holded = 0;
  } else if (over && Pressed()) {
    PickTile(over);
    hx = TruncInt(Mouse->x);
    hy = TruncInt(Mouse->y);
    holded = 1;
  }
  return 0;
}

int TMainGame::_updateTiles_PowerUpLine() {
  if (!over || !level) return 0;
  for (auto& t : level->tile[over->r]) t->GeneratePowerUp_Line();
  if (Pressed()) {
    BombLine(over);
    PlayBoardSound("powerUpUse");
    gameMode = 0;
  }
  return 0;
}

int TMainGame::_updateTiles_PowerUpDeleteChipType() {
  if (!over || !over->chip || over->chip->id > 100 || !level) return 0;
  int kind = over->chip->id;
  for (auto& row : level->tile)
    for (auto& t : row)
      if (t->chip && t->chip->id == kind) t->GeneratePowerUp_DeleteChipType();
  if (Pressed()) {
    DeleteAllChipsByType(over->chip);
    PlayBoardSound("powerUpUse");
    gameMode = 0;
  }
  return 0;
}

int TMainGame::_updateTiles_PowerUpDeleteRandom() {
  if (BombList.Count() == 0) gameMode = 0;
  return 0;
}

int TMainGame::DeleteAllChipsByType(const TChipPtr& chip) {
  if (!chip || !level) return 0;
  int kind = chip->id;
  for (auto& row : level->tile) {
    for (auto& t : row) {
      TChipPtr c = t->chip;
      if (!c || c->id != kind) continue;
      if (c->CheckIfToCollect() == 0) {
        c->FlyOut();
      } else {
        t->chip = nullptr;
      }
    }
  }
  return 0;
}

int TMainGame::_updatePicked() {
  if (!picked) return 0;
  if (dPickPer == 0) dPickPer = 1;
  pickPer = StepToward(pickPer, dPickPer, 0.05f * FrameDelta);
  if (pickPer == dPickPer) dPickPer = -dPickPer;
  return 0;
}

int TMainGame::_updatePairs() {
  pairsList.ForEach([](const std::shared_ptr<TM3Pair>& pair) { pair->update(); });
  return 0;
}

int TMainGame::PickTile(const TTilePtr& t) {
  if (!t || !t->chip) return 0;
  if (t == picked) return 0;
  if (t->chain != 0 || t->chest != 0) return 0;
  if (!picked) {
    picked = t;
    return 0;
  }
  if (TilesAreNeighbors(picked, t)) {
    TTilePtr from = picked;
    SwapTiles(from, t);
  } else {
    picked = t;
  }
  return 0;
}

int TMainGame::TilesAreNeighbors(const TTilePtr& a, const TTilePtr& b) {
  if (!a || !b) return 0;
  if (a->r == b->r && std::abs(a->c - b->c) == 1) return 1;
  if (a->c == b->c && std::abs(a->r - b->r) == 1) return 1;
  return 0;
}

int TMainGame::SwapTiles(const TTilePtr& a, const TTilePtr& b) {
  if (!a || !b || !a->chip || !b->chip) return 0;
  if (!a->chip->isFree() || !b->chip->isFree()) return 0;
  if (!a->chip->CanMove() || !b->chip->CanMove()) return 0;
  auto pair = std::make_shared<TM3Pair>();
  PlayBoardSound("moveUp");
  pair->chip1 = a->chip;
  pair->chip2 = b->chip;
  pair->CountVectors();
  pair->chip1->pair = pair;
  pair->chip2->pair = pair;
  picked = nullptr;
  ResetHint();
  pairsList.AddLast(pair);
  return 0;
}

int TMainGame::CheckDistance(int x1, int y1, int x2, int y2) {
  int dx = x2 - x1, dy = y2 - y1;
  int ax = std::abs(dx), ay = std::abs(dy);
  if (ax > ay) {
    if (dx < -5) return 0;
    if (dx > 5) return 2;
    return 4;
  }
  if (ax < ay) {
    if (dy < -5) return 1;
    if (dy > 5) return 3;
    return 4;
  }
  return 4;
}

int TMainGame::PutPowerUp(const TTilePtr& tile) {
  if (!tile || !tile->chip) return 0;
  float x = static_cast<float>(tile->drawX), y = static_cast<float>(tile->drawY);
  TRGB white;
  white.r = white.g = white.b = 255;
  CreateParticle(3, x, y, x, y, x, y, white, 1, 1, 2, 2, 0, 0, kBlendLight, 0, 500);
  CreateParticle(3, x, y, x, y, x, y, white, 1, 1, 1, 1, 0, 0, kBlendLight, 0, 500);
  NewCaption(RandomInt(5, 9), tile->drawX, tile->drawY, kCaptionSpecial, 0);
  int kind = RandomInt(1, 2) == 1 ? kBombChipId : kLightningChipId;
  TChipPtr proto = GetChipKind(kind);
  if (!proto) PrintLine("No chip kind " + std::to_string(kind) + ": no power-up chip is made");
  tile->chip->ChangeTo(proto);
  PlayBoardSound("createBomb");
  return 0;
}

int TMainGame::ResetHint() {
  hintTime = MillisecondClock() + 6000;
  return 0;
}
