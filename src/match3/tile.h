// TTile: one cell of a level's grid. It holds at most one chip and the cell's obstacles (a chain
// of one or two links, a chest), draws its background layers, runs its pending hits and glow
// pulse, and answers the questions that falling, matching and hovering ask of a cell.
#pragma once

#include <memory>
#include <string>

#include "match3/board_types.h"

struct TImage;

enum TTileKind { kTileHole = 0, kTilePlain = 1, kTileToClear = 2 };

extern TImage* TileImages[2];
extern TImage* TileFrameImage;
extern TImage* ChainImages[2];
extern TImage* ChestImage;

class TTile : public std::enable_shared_from_this<TTile> {
 public:
  std::weak_ptr<TLevel> level;
  std::shared_ptr<TFantom> _fantom;
  int id = 0;
  int drawX = 0, drawY = 0;
  int r = 0, c = 0;
  TChipPtr chip;
  int chain = 0;
  int chest = 0;
  int isCreator = 0;
  int blaskTime = 0;
  float blaskP = 0;
  float dBlaskP = 0;
  int TileDestroying = 0;
  float destrP = 0;
  int bombTime = 0;
  int bombingSpec = 0;
  int lightTime = 0;
  int lightningSpec = 0;
  int lineTime = 0;
  int myPartTime = 0;

  virtual ~TTile() = default;
  virtual int PutChip(const TChipPtr& newChip);
  virtual int _drawChip();
  virtual int _drawBorder();
  virtual int _drawBasic();
  virtual int _drawBlask();
  virtual int _drawOver();
  virtual int _drawChests();
  virtual int _drawChains();
  virtual int _drawDestroying();
  virtual int draw();
  virtual int _updateOver();
  virtual int _updateBlask();
  virtual int _updateBomb();
  virtual int _updateLightning();
  virtual int _updateLine();
  virtual int update();
  virtual int CheckMatch();
  virtual int CheckFall();
  virtual int DestroyChest_Neighbor(int dr, int dc);
  virtual int DestroyChest();
  virtual int DestroyMyChest();
  virtual int DestroyChain();
  virtual int MatchTile();
  virtual int BombMe(int delay, int spec);
  virtual int LightMe(int delay, int spec);
  virtual int BombMeSmall_Neighbor(int row, int col);
  virtual int BombMeSmall();
  virtual int LineMe(int delay);
  virtual int isFree();
  virtual int isHappening();
  virtual int GeneratePowerUp_Line();
  virtual int GeneratePowerUp_DeleteChipType();

  TLevelPtr Level() const { return level.lock(); }
  // The cell at (row, col) of this tile's level, or null outside the grid.
  TTilePtr Neighbour(int row, int col) const;
};

TTilePtr NewTile(int kind);
// Loads the cell backgrounds and the cell frame (filtered, mipmapped, centred).
int LoadTileImages(const std::string& assetRoot);
// Loads the chain and chest overlays (default flags, centred); the game screen does this.
int LoadChainAndChestImages(const std::string& assetRoot);
