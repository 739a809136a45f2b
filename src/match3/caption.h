// TCaption: a big picture word over the board (ready-go, victory, no moves, no cash, combos).
// Interim version carried by the game screen's branch until the board branch's captions land:
// it keeps the interface and list membership; the animations are the board branch's.
#pragma once

#include <memory>

#include "match3/board_types.h"

class TCaption : public std::enable_shared_from_this<TCaption> {
 public:
  int n = 0;
  float p = 0;
  float x = 0, y = 0;
  float sx = 1, sy = 1;
  float a = 1;
  float rot = 0;
  int typ = 0;
  int startTime = 0;
  int count = 0;
  int startY = 0;

  virtual ~TCaption() = default;
  virtual int draw();
  virtual int update();
  virtual int isEnd();
  virtual int destroy();
};

// A caption starting after delay ms; kinds 2, 3 and 4 join CaptionList, 0 and 1 are kept by
// the caller.
std::shared_ptr<TCaption> NewCaption(int n, int x, int y, int typ, int delay);
int UpdateAndDrawCaptions();
