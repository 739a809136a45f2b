// The tutorial and tips (modal, opened from the options, the map and the game screen).
// Runs as a plain screen until its own issue builds it.
#pragma once

#include <string>

#include "screens/plain_screen.h"

class TTutorial : public TPlainScreen {
 public:
  TTutorial();
  virtual int mainloop(TEkran* caller, int a, int b);
};

extern TTutorial* Tutorial;
