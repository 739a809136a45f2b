// The credits (top-level screen 5); always lead back to the main menu.
// Runs as a plain screen until its own issue builds it.
#pragma once

#include <string>

#include "screens/plain_screen.h"

class TCredits : public TPlainScreen {
 public:
  TCredits();
  virtual int mainloop();
};

extern TCredits* Credits;
