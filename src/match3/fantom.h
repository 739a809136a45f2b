// TFantom: the build-in and build-out animation of one cell at the start and at the end of a
// level. Interim version carried by the game screen's branch until the board branch's fantoms
// land: same interface and timing, no drawing of its own.
#pragma once

#include <memory>

#include "match3/board_types.h"

class TFantom : public std::enable_shared_from_this<TFantom> {
 public:
  TTilePtr tile;
  int time = 0;
  float per = 0;
  float scale = 0, alpha = 0, rotation = 0;
  float x = 0, y = 0;
  int typ = 0;

  virtual ~TFantom() = default;
  virtual int draw();
  virtual int update();
  virtual int Destroy();
};

std::shared_ptr<TFantom> NewFantomIn(const TTilePtr& tile, int delay);
std::shared_ptr<TFantom> NewFantomOut(const TTilePtr& tile, int delay);
int UpdateFantoms();
int DrawFantoms();
int AllFantomsDone();
