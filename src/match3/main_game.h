// TMainGame: the game screen. This part holds what the board itself needs of it: the hovered and
// picked cells, the swaps in progress, line detection and clearing, and the power-up chip blasts.
// The screen's states, panel and frame loop build on top of it.
#pragma once

#include <vector>

#include "app/screen_base.h"
#include "match3/board_types.h"
#include "media/tlist.h"

class TMainGame : public TEkran {
 public:
  TLevelPtr level;
  TTilePtr over;
  TTilePtr picked;
  TList<TM3Pair> pairsList;
  int hx = 0, hy = 0;
  int holded = 0;
  float pickPer = 0, dPickPer = 0;
  int gameMode = 0;
  int tilesCount = 0;
  int tilesFree = 0;
  int nothingHappens = 0;

  const char* screenName() const override { return "TMainGame"; }

  // Adds points to the level's score (saturating at the int range).
  virtual int AddScore(int points);
  virtual TTilePtr GetTileByVector(const TTilePtr& tile, int dr, int dc);
  virtual int isMatched(const TTilePtr& a, const TTilePtr& b);
  virtual int _CheckMatchDown(const TTilePtr& tile, std::vector<TChipPtr>& list);
  virtual int _CheckMatchUp(const TTilePtr& tile, std::vector<TChipPtr>& list);
  virtual int _CheckMatchLeft(const TTilePtr& tile, std::vector<TChipPtr>& list);
  virtual int _CheckMatchRight(const TTilePtr& tile, std::vector<TChipPtr>& list);
  // The chips of the lines of three or more through the cell (empty when none).
  virtual std::vector<TChipPtr> CheckMatch(const TTilePtr& tile);
  virtual int CheckMatchSpec(const TTilePtr& tile);
  virtual int MatchChips(const std::vector<TChipPtr>& chips);
  virtual int BombTile(int r, int c, int delay, int spec);
  virtual int LightTile(int r, int c, int delay, int spec);
  virtual int BombTileLine(int r, int c, int delay);
  virtual int Lightning(const TTilePtr& tile);
  virtual int Bomb(const TTilePtr& tile);
  virtual int BombLine(const TTilePtr& tile);
  virtual int BombBig(int r, int c);
  virtual int FirePowerUp(int id, const TTilePtr& tile);
};

// The game screen singleton; null until the program creates it.
extern TMainGame* MainGame;
