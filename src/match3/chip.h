// TChip: a gem on a board cell, and also the description of a chip kind (the prototypes in
// ChipKinds). A chip runs its own small state machine: rest, falling, landing, being destroyed,
// being created; power-up chips (101 bomb, 102 lightning) pulse, sparkle and fire when destroyed.
#pragma once

#include <memory>

#include "app/records.h"
#include "match3/board_types.h"

struct TImage;

enum TChipState {
  kChipRest = 0,
  kChipFalling = 1,
  kChipLanding = 2,
  kChipDestroying = 3,
  kChipCreating = 4,
};

enum TDestroyType {
  kDestroyMatch = 0,
  kDestroyBomb = 1,
  kDestroyLine = 2,
  kDestroyLightning = 3,
  kDestroySmallBlast = 4,
};

constexpr int kBombChipId = 101;
constexpr int kLightningChipId = 102;

class TChip : public std::enable_shared_from_this<TChip> {
 public:
  int id = 0;
  TImage* img = nullptr;
  TRGB rgb;
  int Collect = 0;
  float collectA = 1;
  std::weak_ptr<TTile> tile;
  std::weak_ptr<TM3Pair> pair;
  float drawX = 0, drawY = 0;
  float vy = 0;
  int state = kChipRest;
  float destrPer = 0;
  float scale = 1;
  float alpha = 1;
  TChipPtr changeChipTo;
  float changeA = 0;
  float landVY = 0;
  int byloDestroy = 0;
  int destrTime = 0;
  int partTime = 0;
  int destroyType = 0;
  float pwrP = 0;
  float dPwrP = 0;
  int pTime = 0;

  virtual ~TChip() = default;
  virtual TChipPtr Copy();
  virtual int ChangeMe(const TChipPtr& kind);
  virtual int CreateMe();
  virtual int Fall();
  virtual int Land();
  virtual int FlyOut();
  virtual int drawChanging();
  virtual int draw();
  virtual int _GenerateStandardDestroy();
  virtual int _GenerateBombDestroy();
  virtual int _GenerateLightDestroy();
  virtual int _GenerateLineDestroy();
  virtual int GenerateDestroyParticles();
  virtual int _update_STATE_Falling();
  virtual int _update_STATE_Land();
  virtual int BombTile();
  virtual int LightTile();
  virtual int _update_STATE_Destroy();
  virtual int _update_STATE_Create();
  virtual int _updatePowerUp_BombAnim();
  virtual int _updatePowerUp_LightAnim();
  virtual int update();
  virtual int CountPosition();
  virtual int Destroy(int delay, int type);
  virtual int CanMove();
  virtual int isPowerUp();
  virtual int isFree();
  virtual int isHappening();
  virtual int CheckIfToCollect();
  virtual int ChangeTo(const TChipPtr& kind);
  virtual int KILL();

  // The cell the chip belongs to, or null.
  TTilePtr Tile() const { return tile.lock(); }

 private:
  int _arrive();
};
