#include "screens/main_menu.h"

#include "app/update_common.h"
#include "media/media.h"

const TScreenDescriptor kMainMenuScreen = {
    "MainMenu",
    "gfx/gui/mainMenu/#LANG#/mainMenu.gui",
    {"START", "EXIT", "SETTINGS", "PLAYER", "CREDITS"},
    {},
};

TMainMenu* MainMenu = nullptr;

TMainMenu::TMainMenu() : TPlaceholderScreen(kMainMenuScreen, kTopLevel) {
  OnClick("START", &TMainMenu::goPlay);
  OnClick("RESUME", &TMainMenu::goResume);
  OnClick("CREDITS", &TMainMenu::goCredits);
  OnClick("EXIT", &TMainMenu::goExit);
}

int TMainMenu::mainLoop() {
  return run(nullptr);
}

int TMainMenu::goPlay() {
  return leave(101);
}

int TMainMenu::goResume() {
  return leave(104);
}

int TMainMenu::goCredits() {
  return leave(5);
}

int TMainMenu::goExit() {
  SaveAll();
  ShowOsCursor();
  EndGame(0);
}
