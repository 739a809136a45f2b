// TM3Pair: two neighbouring chips being swapped. The chips are drawn part of the way toward each
// other's cell; at the end they change cells and the lines through them are tested. A swap that
// makes no line swings back.
#pragma once

#include <memory>

#include "match3/board_types.h"

class TM3Pair : public std::enable_shared_from_this<TM3Pair> {
 public:
  TChipPtr chip1, chip2;
  int vx1 = 0, vy1 = 0;
  int vx2 = 0, vy2 = 0;
  float p = 0;
  int byloCheck = 0;

  virtual ~TM3Pair() = default;
  virtual int update();
  virtual int Swap();
  virtual int Reverse();
  // Offset of the chip from its cell in cells (0 for a chip not in this pair).
  virtual float GetXVector(const TChip* chip);
  virtual float GetYVector(const TChip* chip);
  virtual int CountVectors();
  virtual int MatchByPowerUp();
  virtual int CheckMatch();
  virtual int Destroy();

  // Both chips still sit on the cells the pair moves them between.
  bool ChipsInPlace() const;
};
