#include "match3/power_up.h"

#include "app/frame_timing.h"
#include "app/globals.h"
#include "match3/board_math.h"
#include "match3/main_game.h"
#include "media/media.h"
#include "screens/profile.h"
#include "textdata/rcm_file.h"

std::array<int, 4> PowerUpUnlockCost{};
std::array<int, 4> PowerUpUseCost{};
std::array<TDim, 4> PowerUpSpots{};
TImage* PowerUpLockImage = nullptr;
TImage* PowerUpCoverImage = nullptr;
TImage* BombImage = nullptr;

TPowerUpTable ReadPowerUpTable(const std::string& path) {
  TPowerUpTable table;
  auto file = LoadRCM(path);
  for (int k = 1; k <= 4; ++k) {
    std::string base = "powerUps::powerUp_" + std::to_string(k) + "_";
    table.showUpAtLevel[k - 1] = TruncInt(file->getFloat(base + "ShowUpAtLevel", 0));
    table.unlockingCost[k - 1] = TruncInt(file->getFloat(base + "UnlockingCost", 0));
    table.useCost[k - 1] = TruncInt(file->getFloat(base + "UseCost", 0));
  }
  return table;
}

std::string ReplaceValue(std::string text, int value) {
  const std::string key = "#VALUE#";
  const std::string number = std::to_string(value);
  for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + number.size()))
    text.replace(at, key.size(), number);
  return text;
}

int TPowerUp::unlockMe() {
  if (Profile && n >= 0 && n < 4) Profile->unlockedPowerUp[static_cast<size_t>(n)] = 1;
  return 0;
}

int TPowerUp::drawMeActive() {
  activeA = Approach(activeA, dActiveA, 0.05f);
  if (activeA == dActiveA) dActiveA = dActiveA == 0 ? 1.0f : 0.0f;
  SetBlendMode(kBlendLight);
  SetDrawAlpha(0.5f * activeA);
  DrawImageAt(img, static_cast<float>(x), static_cast<float>(y));
  return 0;
}

int TPowerUp::drawPopUp() {
  if (!showPopUp || !MainGame) return 0;
  TImage* pop = MainGame->miniPopUp;
  SetDrawColour(255, 255, 255);
  SetDrawAlpha(1);
  SetBlendMode(kBlendAlpha);
  int px = x - ImageWidthOf(pop) / 2 + ImageWidthOf(img) / 2;
  if (px < 0) px = 0;
  int py = y - 60;
  DrawImageAt(pop, static_cast<float>(px), static_cast<float>(py));
  bool unlocked = Profile && n >= 0 && n < 4 && Profile->unlockedPowerUp[static_cast<size_t>(n)];
  const std::string& text = unlocked ? txtUse : txtUnlock;
  SetTextFont(MainGame->font4);
  int tx = px + ImageWidthOf(pop) / 2 - TextWidthOf(text) / 2 + 5;
  MainGame->_drawMyText(text, static_cast<float>(tx), static_cast<float>(py + 30), 255, 255, 255);
  return 0;
}

int TPowerUp::draw() {
  if (!visible) return 0;
  static const int kCover[4][2] = {{-24, 121}, {-17, 104}, {-3, 126}, {-6, 117}};
  SetDrawColour(255, 255, 255);
  SetDrawAlpha(1);
  SetBlendMode(kBlendAlpha);
  SetDrawRotation(0);
  SetDrawScale(1, 1);
  int k = n >= 0 && n < 4 ? n : 0;
  DrawImageAt(PowerUpCoverImage, static_cast<float>(x + kCover[k][0]),
              static_cast<float>(y + kCover[k][1]));
  DrawImageAt(img, static_cast<float>(x), static_cast<float>(y));
  bool unlocked = Profile && Profile->unlockedPowerUp[static_cast<size_t>(k)];
  if (unlocked) {
    if (overA != 0) {
      SetBlendMode(kBlendLight);
      SetDrawAlpha(0.3f * overA);
      DrawImageAt(img, static_cast<float>(x), static_cast<float>(y));
    }
  } else {
    const TDim& spot = PowerUpSpots[static_cast<size_t>(k)];
    DrawImageAt(PowerUpLockImage, spot.x, spot.y);
    if (overA != 0) {
      SetBlendMode(kBlendLight);
      SetDrawAlpha(0.3f * overA);
      DrawImageAt(PowerUpLockImage, spot.x, spot.y);
    }
  }
  if (MainGame && MainGame->gameMode - 1 == getMyNumber()) drawMeActive();
  SetBlendMode(kBlendAlpha);
  SetDrawAlpha(1);
  return 0;
}

int TPowerUp::update() {
  // A hidden button is not there for the pointer.
  isOver =
      visible && Mouse &&
      Mouse->inRect(static_cast<float>(x), static_cast<float>(y),
                    static_cast<float>(ImageWidthOf(img)), static_cast<float>(ImageHeightOf(img)));
  dOverA = isOver ? 1.0f : 0.0f;
  if (overA < dOverA) overA = Approach(overA, dOverA, 0.1f);
  if (overA > dOverA) overA = Approach(overA, dOverA, 0.05f);
  return 0;
}

int TPowerUp::getMyNumber() {
  if (!MainGame) return 0;
  for (int i = 0; i < 4; ++i)
    if (MainGame->powerUp[static_cast<size_t>(i)].get() == this) return i;
  return 0;
}
