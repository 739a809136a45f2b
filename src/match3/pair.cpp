#include "match3/pair.h"

#include "match3/board_math.h"
#include "match3/chip.h"
#include "match3/tile.h"

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
