// The four power-ups on the game screen: their set-up per run and per level, buying and using
// them with the profile's cash, and the board input while a power-up waits for its target.
#include "app/frame_timing.h"
#include "app/globals.h"
#include "audio/global_snd.h"
#include "match3/board_sound.h"
#include "match3/bomb.h"
#include "match3/chip.h"
#include "match3/effect_lists.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "match3/power_up.h"
#include "match3/tile.h"
#include "media/media.h"
#include "screens/profile.h"
#include "textdata/txt_file.h"

int TMainGame::_setupPowerUps() {
  TPowerUpTable table = ReadPowerUpTable(AssetRoot + "data/PowerUpsData.txt");
  PowerUpOn = table.showUpAtLevel;
  PowerUpUnlockCost = table.unlockingCost;
  PowerUpUseCost = table.useCost;
  static const int kX[4] = {100, 350, 560, 800};
  PowerUpSpots = {TDim{163, 707}, TDim{419, 707}, TDim{644, 707}, TDim{881, 707}};
  auto texts = LoadTxtFile(AssetRoot + "txt/#LANG#/powerUps.txt");
  for (int i = 0; i < 4; ++i) {
    auto button = std::make_shared<TPowerUp>();
    button->n = i;
    button->img =
        LoadImageFile(AssetRoot + "gfx/gui/mainGame/powerUp" + std::to_string(i) + ".png");
    button->x = kX[i];
    button->y = 768 - ImageHeightOf(button->img);
    button->txtUnlock =
        ReplaceValue(TxtLine(texts, 2 * i + 1), PowerUpUnlockCost[static_cast<size_t>(i)]);
    button->txtUse =
        ReplaceValue(TxtLine(texts, 2 * i + 2), PowerUpUseCost[static_cast<size_t>(i)]);
    powerUp[static_cast<size_t>(i)] = button;
  }
  PowerUpCoverImage = LoadImageFile(AssetRoot + "gfx/gui/mainGame/powerup-cover.png");
  return 0;
}

int TMainGame::_preparePowerUps() {
  for (int i = 0; i < 4; ++i) {
    if (!powerUp[static_cast<size_t>(i)])
      powerUp[static_cast<size_t>(i)] = std::make_shared<TPowerUp>();
    powerUp[static_cast<size_t>(i)]->visible = 0;
    powerUp[static_cast<size_t>(i)]->n = i;
  }
  int id = EnsureProfile()->questLevelId;
  PrintLine("Profile.questLevelId = " + std::to_string(id) +
            "  PowerUpOn[0]  = " + std::to_string(PowerUpOn[0]));
  if (id < PowerUpOn[0]) return 0;
  for (int i = 0; i < 4; ++i) {
    if (id >= PowerUpOn[static_cast<size_t>(i)]) powerUp[static_cast<size_t>(i)]->visible = 1;
    PrintLine("Power up[" + std::to_string(i) +
              "] = " + std::to_string(powerUp[static_cast<size_t>(i)]->visible));
  }
  return 0;
}

int TMainGame::_drawPowerUps() {
  auto reset = [] {
    SetDrawScale(1, 1);
    SetDrawAlpha(1);
    SetBlendMode(kBlendAlpha);
    SetDrawRotation(0);
    SetDrawColour(255, 255, 255);
  };
  reset();
  for (auto& button : powerUp)
    if (button) button->draw();
  for (auto& button : powerUp)
    if (button) button->drawPopUp();
  reset();
  return 0;
}

int TMainGame::_updatePowerUp() {
  TProfile* profile = EnsureProfile();
  int hovered = -1;
  for (int i = 0; i < 4; ++i) {
    auto& button = powerUp[static_cast<size_t>(i)];
    if (!button) continue;
    button->update();
    button->showPopUp = 0;
    if (button->isOver) hovered = i;
  }
  for (int i = 0; i < 4; ++i) {
    auto button = powerUp[static_cast<size_t>(i)];
    if (!button || !button->isOver || !Mouse || !Mouse->leftPressed) continue;
    if (GlobalSnd) GlobalSnd->click();
    size_t k = static_cast<size_t>(i);
    float at = static_cast<float>(button->x + ImageWidthOf(button->img) / 2);
    if (profile->unlockedPowerUp[k] != 0) {
      if (PowerUpUseCost[k] <= profile->cash) {
        usePowerUp(i);
        profile->cash -= PowerUpUseCost[k];
      } else {
        ShowInfo_NotEnoughCash(at);
        PlayBoardSound("no");
      }
    } else if (PowerUpUnlockCost[k] <= profile->cash) {
      button->unlockMe();
      PlayBoardSound("unlockPowerUp");
      profile->cash -= PowerUpUnlockCost[k];
    } else {
      ShowInfo_NotEnoughCash(at);
      PlayBoardSound("no");
    }
  }
  if (hovered < 0) {
    popupTime = MillisecondClock() + 500;
  } else if (MillisecondClock() > popupTime) {
    powerUp[static_cast<size_t>(hovered)]->showPopUp = 1;
  }
  return 0;
}

int TMainGame::usePowerUp_Line() {
  gameMode = 1;
  return 0;
}

int TMainGame::usePowerUp_DeleteChipType() {
  gameMode = 2;
  return 0;
}

int TMainGame::usePowerUp_DeleteRandom() {
  for (int k = 1; k <= 10; ++k) LaunchChipBomb(150 * k);
  gameMode = 3;
  PlayBoardSound("powerUpUse");
  return 0;
}

int TMainGame::usePowerUp_DeleteAll() {
  PlayBoardSound("powerUpUse");
  if (level) LaunchTileBomb(level->TileAt(level->rows / 2, level->cols / 2));
  return 0;
}

int TMainGame::usePowerUp(int n) {
  switch (n) {
    case 0:
      usePowerUp_Line();
      break;
    case 1:
      usePowerUp_DeleteChipType();
      break;
    case 2:
      usePowerUp_DeleteRandom();
      break;
    case 3:
      usePowerUp_DeleteAll();
      break;
    default:
      break;
  }
  ResetHint();
  return 0;
}
