// TMainGame: the game screen (top-level screen 2). This part holds what the board itself needs of
// it: the hovered and picked cells, the swaps in progress, line detection and clearing, and the
// power-up chip blasts. Until the screen's own states and panel are built it runs as a plain
// screen.
#pragma once

#include <string>
#include <vector>

#include "match3/board_types.h"

struct TImage;
#include "media/tlist.h"
#include "screens/plain_screen.h"

class TMainGame : public TPlainScreen {
 public:
  TMainGame();
  virtual int mainLoop();

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
  int hintTime = 0;
  // The board frame: straight pieces (left, up, right, down), outer and inner corners
  // (left-up, right-up, right-down, left-down), and the frame's alpha.
  TImage* frameImg[4] = {};
  TImage* frameOuter[4] = {};
  TImage* frameInner[4] = {};
  float frameA = 0;

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

  // Picking and swapping.
  virtual int _updateTilesOver();
  virtual int _updateTilesSwap();
  virtual int _updateTiles_PowerUpLine();
  virtual int _updateTiles_PowerUpDeleteChipType();
  virtual int _updateTiles_PowerUpDeleteRandom();
  virtual int _updatePicked();
  virtual int _updatePairs();
  virtual int PickTile(const TTilePtr& tile);
  virtual int TilesAreNeighbors(const TTilePtr& a, const TTilePtr& b);
  virtual int SwapTiles(const TTilePtr& a, const TTilePtr& b);
  // Drag direction from (x1, y1) to (x2, y2): 0 left, 1 up, 2 right, 3 down, 4 none.
  virtual int CheckDistance(int x1, int y1, int x2, int y2);
  virtual int PutPowerUp(const TTilePtr& tile);
  virtual int DeleteAllChipsByType(const TChipPtr& chip);
  virtual int ResetHint();

  // Falling and refilling.
  virtual int _updateChipsFall();
  virtual int _updateChipsCreation();
  virtual int FallChip(const TTilePtr& tile);
  virtual int isTileEmpty(int r, int c);
  virtual int isNotTileEmpty(int r, int c);

  // The board frame and the board's layers.
  virtual int _setupFrames(const std::string& assetRoot);
  virtual int isTileInnerFrame_LeftUp(int r, int c);
  virtual int isTileInnerFrame_RightUp(int r, int c);
  virtual int isTileInnerFrame_LeftDown(int r, int c);
  virtual int isTileInnerFrame_RightDown(int r, int c);
  virtual int _drawFrameLeft(const TTilePtr& t, int r, int c);
  virtual int _drawFrameRight(const TTilePtr& t, int r, int c);
  virtual int _drawFrameUp(const TTilePtr& t, int r, int c);
  virtual int _drawFrameDown(const TTilePtr& t, int r, int c);
  virtual int _drawFrameOuter_LeftUp(const TTilePtr& t, int r, int c);
  virtual int _drawFrameOuter_RightUp(const TTilePtr& t, int r, int c);
  virtual int _drawFrameOuter_LeftDown(const TTilePtr& t, int r, int c);
  virtual int _drawFrameOuter_RightDown(const TTilePtr& t, int r, int c);
  virtual int _drawFrameInner_LeftUp(const TTilePtr& t, int r, int c);
  virtual int _drawFrameInner_RightUp(const TTilePtr& t, int r, int c);
  virtual int _drawFrameInner_RightDown(const TTilePtr& t, int r, int c);
  virtual int _drawFrameInner_LeftDown(const TTilePtr& t, int r, int c);
  virtual int _drawFrameParts(const TTilePtr& t, int r, int c);
  virtual int _drawFrame();
  virtual int _drawTiles();
  virtual int _drawChips();
  virtual int _drawChain();
  // The board's layers in order: frame, cells, chips, chains and chests.
  virtual int DrawBoard();
};

// The game screen singleton; null until the program creates it.
extern TMainGame* MainGame;
