// The main menu (top-level screen 1).
// Runs as a plain screen until its own issue builds it.
#pragma once

#include <string>

#include "screens/plain_screen.h"

class TMainMenu : public TPlainScreen {
 public:
  TMainMenu();
  virtual int mainLoop();

 protected:
  void onExit(const Exit& chosen) override;
};

extern TMainMenu* MainMenu;
