// TPowerUp: one of the four power-up buttons under the board, with its hover glow, the pulse
// while its mode is active and the small pop-up telling its price. The global price tables and
// pictures of the power-ups live here too.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "app/records.h"

struct TImage;

class TPowerUp {
 public:
  TImage* img = nullptr;
  int x = 0, y = 0;
  int visible = 1;
  float overA = 0;
  float dOverA = 0;
  int isOver = 0;
  float activeA = 0;
  float dActiveA = 0;
  std::string txtUnlock;
  std::string txtUse;
  int n = 0;
  int showPopUp = 0;

  virtual ~TPowerUp() = default;
  // Marks the power-up unlocked in the current profile.
  virtual int unlockMe();
  virtual int drawMeActive();
  virtual int drawPopUp();
  virtual int draw();
  virtual int update();
  // The button's index on the game screen (0 when it is not one of its buttons).
  virtual int getMyNumber();
};

extern std::array<int, 4> PowerUpUnlockCost;
extern std::array<int, 4> PowerUpUseCost;
extern std::array<TDim, 4> PowerUpSpots;
extern TImage* PowerUpLockImage;
extern TImage* PowerUpCoverImage;
extern TImage* BombImage;

// The power-up table of the data file: level of introduction, unlocking and use price of each
// power-up. A missing key reads 0.
struct TPowerUpTable {
  std::array<int, 4> showUpAtLevel{};
  std::array<int, 4> unlockingCost{};
  std::array<int, 4> useCost{};
};
TPowerUpTable ReadPowerUpTable(const std::string& path);
// Every "#VALUE#" of text replaced by the decimal value.
std::string ReplaceValue(std::string text, int value);
