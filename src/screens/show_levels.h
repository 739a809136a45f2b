// The level preview (modal, opened from the map); returns the level to play or 0.
// Runs as a plain screen until its own issue builds it.
#pragma once

#include <string>

#include "screens/plain_screen.h"

class TShowLevels : public TPlainScreen {
 public:
  TShowLevels();
  virtual int mainloop(int levelNumber);
  int numerLevelu = 0;
};

extern TShowLevels* ShowLevels;
