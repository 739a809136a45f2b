// TFantom: the build-in and build-out animation of one cell when a level starts and when it is
// won. While a cell has a fantom, the fantom draws the cell (tile, chip, chain, chest) instead of
// the cell itself.
#pragma once

#include <memory>

#include "match3/board_types.h"

class TFantom : public std::enable_shared_from_this<TFantom> {
 public:
  // The cell: held weakly, because the cell holds its fantom (a build-out fantom stays set on its
  // cell for good); a fantom whose level is gone simply ends.
  std::weak_ptr<TTile> tile;
  int time = 0;
  float per = 0;
  float scale = 0, alpha = 0, rotation = 0;
  float x = 0, y = 0;
  int typ = 0;

  virtual ~TFantom() = default;
  virtual int drawBorder();
  virtual int draw();
  virtual int _update_STATE_Begin();
  virtual int _update_STATE_END();
  virtual int update();
  virtual int Destroy();
};

std::shared_ptr<TFantom> NewFantomIn(const TTilePtr& tile, int delay);
std::shared_ptr<TFantom> NewFantomOut(const TTilePtr& tile, int delay);
int UpdateFantoms();
int DrawFantoms();
int AllFantomsDone();
