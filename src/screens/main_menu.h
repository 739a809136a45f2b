// The main menu (top-level screen 1): the hub the controller returns to. A placeholder screen
// with rows for starting or resuming the quest, the credits and quitting.
#pragma once

#include "screens/placeholder_screen.h"

extern const TScreenDescriptor kMainMenuScreen;

class TMainMenu : public TPlaceholderScreen {
 public:
  TMainMenu();
  virtual int mainLoop();
  virtual int goPlay();
  virtual int goResume();
  virtual int goCredits();
  // The player quits from the menu: everything is saved first.
  virtual int goExit();
};

extern TMainMenu* MainMenu;
