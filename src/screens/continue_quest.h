// The continue-quest panel (modal, opened from the main menu).
// Runs as a plain screen until its own issue builds it.
#pragma once

#include <string>

#include "screens/plain_screen.h"

class TContinueQuest : public TPlainScreen {
 public:
  TContinueQuest();
  virtual int mainloop();
};

extern TContinueQuest* ContinueQuest;
