// The tutorial and tips (modal, opened from the options, the map and the game screen): a
// placeholder screen that a click anywhere closes.
#pragma once

#include "screens/placeholder_screen.h"

extern const TScreenDescriptor kTutorialScreen;

class TTutorial : public TPlaceholderScreen {
 public:
  TTutorial();
  virtual int mainloop(TEkran* caller, int a, int b);
};

extern TTutorial* Tutorial;
