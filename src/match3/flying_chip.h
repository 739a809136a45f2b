// TFlyingChip: a destroyed goal chip flying along a curve to its goal counter (counted when it
// arrives), or a chip thrown off the board. The flight keeps the chip's level alive until then.
#pragma once

#include <memory>

#include "match3/board_types.h"

class TFlyingChip : public std::enable_shared_from_this<TFlyingChip> {
 public:
  TChipPtr chip;
  TLevelPtr level;  // the level a goal flight counts on
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0, mx = 0, my = 0;
  float x = 0, y = 0;
  float p = 0;
  float pSpeed = 0;
  int time = 0;
  int endMe = 0;
  int partTime = 0;

  virtual ~TFlyingChip() = default;
  virtual int draw();
  virtual int generate();
  virtual int update();
  virtual int destroy();
};

std::shared_ptr<TFlyingChip> NewFlyingChip(const TChipPtr& chip, int x1, int y1, int x2, int y2,
                                           int mx, int my, int delay);
std::shared_ptr<TFlyingChip> NewFlyingChipOut(const TChipPtr& chip);
int UpdateFlyingChips();
int DrawFlyingChips();
