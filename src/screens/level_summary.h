// The level summary (modal, opened by the game screen).
// Runs as a plain screen until its own issue builds it.
#pragma once

#include <string>

#include "screens/plain_screen.h"

class TLevelSummary : public TPlainScreen {
 public:
  TLevelSummary();
  virtual int mainloop();
};

extern TLevelSummary* LevelSummary;
