#include "screens/main_game.h"

TMainGame* MainGame = nullptr;

TMainGame::TMainGame()
    : TPlainScreen("MainGame", {{"WIN", 102}, {"WIN LEVEL 100", 6}, {"MENU", 1}, {"MAP", 4}}) {}

int TMainGame::mainLoop() {
  return runPlain(nullptr);
}
