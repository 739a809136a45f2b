// THint: one suggested swap, drawn as two pulsing arrows that point at each other's cells. It
// fades in when shown and removes itself from the game screen once faded out.
#pragma once

#include <memory>

#include "match3/board_types.h"

class THint : public std::enable_shared_from_this<THint> {
 public:
  TTilePtr tile1, tile2;
  int rot1 = 0, rot2 = 0;
  int vx1 = 0, vx2 = 0, vy1 = 0, vy2 = 0;
  int posX1 = 0, posY1 = 0, posX2 = 0, posY2 = 0;
  float a = 0;
  float da = 1;
  float p = 0;
  float dp = 0;

  virtual ~THint() = default;
  virtual int draw();
  virtual int update();
  // Arrow rotations, slides and rest positions from the two cells (restarts the hint wait).
  virtual int CountPositions();
  // Where tile2 lies seen from tile1: 0 left, 1 up, 2 right, 3 down.
  virtual int CountDir();
};

using THintPtr = std::shared_ptr<THint>;
