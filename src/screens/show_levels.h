// The level preview (modal, opened from the map); returns the level to play or 0. A placeholder
// screen with rows to play the level or go back.
#pragma once

#include "screens/placeholder_screen.h"

extern const TScreenDescriptor kShowLevelsScreen;

class TShowLevels : public TPlaceholderScreen {
 public:
  TShowLevels();
  virtual int mainloop(int levelNumber);
  int numerLevelu = 0;
};

extern TShowLevels* ShowLevels;
