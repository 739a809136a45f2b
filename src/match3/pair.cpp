#include "match3/pair.h"

#include <algorithm>
#include <vector>

#include "app/frame_timing.h"
#include "match3/board_math.h"
#include "match3/board_sound.h"
#include "match3/chip.h"
#include "match3/main_game.h"
#include "match3/tile.h"

int TM3Pair::update() {
  p += 0.05f * FrameDelta;
  if (p > 1) p = 1;
  if (p != 1) return 0;
  // A blast may have taken one of the chips during the animation: the pair then ends without
  // moving anything, so no destroyed chip comes back onto the board.
  if (!ChipsInPlace()) {
    Destroy();
    return 0;
  }
  Swap();
  CheckMatch();
  return 0;
}

bool TM3Pair::ChipsInPlace() const {
  TTilePtr t1 = chip1 ? chip1->Tile() : nullptr;
  TTilePtr t2 = chip2 ? chip2->Tile() : nullptr;
  return t1 && t2 && t1->chip == chip1 && t2->chip == chip2;
}

int TM3Pair::Swap() {
  TTilePtr t1 = chip1->Tile();
  TTilePtr t2 = chip2->Tile();
  t1->PutChip(chip2);
  t2->PutChip(chip1);
  return 0;
}

int TM3Pair::Reverse() {
  CountVectors();
  p = 0;
  return 0;
}

float TM3Pair::GetXVector(const TChip* chip) {
  float e = SinDeg(90 * p);
  if (chip == chip1.get()) return e * static_cast<float>(vx1);
  if (chip == chip2.get()) return e * static_cast<float>(vx2);
  return 0;
}

float TM3Pair::GetYVector(const TChip* chip) {
  float e = SinDeg(90 * p);
  if (chip == chip1.get()) return e * static_cast<float>(vy1);
  if (chip == chip2.get()) return e * static_cast<float>(vy2);
  return 0;
}

int TM3Pair::CountVectors() {
  TTilePtr t1 = chip1 ? chip1->Tile() : nullptr;
  TTilePtr t2 = chip2 ? chip2->Tile() : nullptr;
  if (!t1 || !t2) return 0;
  vx1 = t2->c - t1->c;
  vy1 = t2->r - t1->r;
  vx2 = -vx1;
  vy2 = -vy1;
  return 0;
}

int TM3Pair::MatchByPowerUp() {
  auto self = shared_from_this();  // Destroy takes the pair out of its list
  Destroy();
  if (!MainGame) return 0;
  if (chip1->isPowerUp()) MainGame->FirePowerUp(chip1->id, chip1->Tile());
  if (chip2->isPowerUp()) MainGame->FirePowerUp(chip2->id, chip2->Tile());
  return 0;
}

int TM3Pair::CheckMatch() {
  if (chip1->isPowerUp() || chip2->isPowerUp()) return MatchByPowerUp();
  if (byloCheck == 1) return Destroy();
  byloCheck = 1;
  if (!MainGame) return Destroy();
  std::vector<TChipPtr> l1 = MainGame->CheckMatch(chip1->Tile());
  std::vector<TChipPtr> l2 = MainGame->CheckMatch(chip2->Tile());
  if (l1.size() <= 2 && l2.size() <= 2) {
    Reverse();
    PlayBoardSound("no");
    return 0;
  }
  std::vector<TChipPtr> set;
  if (l1.size() > 2) set = l1;
  if (l2.size() > 2) {
    for (auto& c : l2)
      if (std::find(set.begin(), set.end(), c) == set.end()) set.push_back(c);
  }
  auto promote = [&](const std::vector<TChipPtr>& line) {
    for (auto& c : line) {
      if (c == chip1 || c == chip2) {
        MainGame->PutPowerUp(c->Tile());
        set.erase(std::remove(set.begin(), set.end(), c), set.end());
        return;
      }
    }
  };
  if (l1.size() > 4) promote(l1);
  if (l2.size() > 4) promote(l2);
  auto self = shared_from_this();
  MainGame->MatchChips(set);
  Destroy();
  return 0;
}

int TM3Pair::Destroy() {
  auto self = shared_from_this();
  if (chip1) chip1->pair.reset();
  if (chip2) chip2->pair.reset();
  if (MainGame) MainGame->pairsList.Remove(this);
  return 0;
}
