// TBomb: a bomb flying in along a curve. The small bombs of the bomb salvo each hunt one chip
// and blast a plus around it; the big bomb tumbles to the board's middle, leaving a fiery trail,
// and blasts every cell.
#pragma once

#include <memory>

#include "match3/board_types.h"

class TBomb : public std::enable_shared_from_this<TBomb> {
 public:
  int time = 0;
  float x = 0, y = 0;
  float x1 = 0, y1 = 0;
  float x2 = 0, y2 = 0;
  float mx = 0, my = 0;
  float per = 0;
  float alpha = 0;
  float rot = 0;
  int iMustGo = 0;
  TChipPtr dChip;
  TTilePtr tile;
  int partTIme = 0;
  float lastX = 0, lastY = 0;

  virtual ~TBomb() = default;
  virtual int draw();
  virtual int _updateChipBomb();
  virtual int _updateTileBomb();
  virtual int update();
  // Nine trail sparks on the way flown since the last emission.
  virtual int generateSpecParticles();
  virtual int Destroy();
  // A random chip of the board that no bomb targets yet, or null.
  virtual TChipPtr GetRandomChip();
  static int isChipAtBomb(const TChip* chip);
};

using TBombPtr = std::shared_ptr<TBomb>;

// The big bomb, flying at the cell from the bottom right.
TBombPtr LaunchTileBomb(const TTilePtr& tile);
// A small bomb starting after delay ms at a chip no other bomb targets; null when none is left.
TBombPtr LaunchChipBomb(int delay);
// Update, then draw, every bomb of BombList.
int UpdateBombs();
