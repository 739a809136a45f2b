// The game screen (top-level screen 2).
// Runs as a plain screen until its own issue builds it.
#pragma once

#include <string>

#include "screens/plain_screen.h"

class TMainGame : public TPlainScreen {
 public:
  TMainGame();
  virtual int mainLoop();
};

extern TMainGame* MainGame;
