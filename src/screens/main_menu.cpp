#include "screens/main_menu.h"

#include "app/update_common.h"
#include "media/media.h"

TMainMenu* MainMenu = nullptr;

TMainMenu::TMainMenu()
    : TPlainScreen("MainMenu", {{"START", 101}, {"RESUME", 104}, {"CREDITS", 5}, {"EXIT", -1}}) {}

int TMainMenu::mainLoop() {
  return runPlain(nullptr);
}

void TMainMenu::onExit(const Exit& chosen) {
  if (chosen.result != -1) {
    leave(chosen.result);
    return;
  }
  // "EXIT": the player quits from the menu, everything is saved first.
  SaveAll();
  ShowOsCursor();
  EndGame(0);
}
