// The quest map (top-level screen 4).
// Runs as a plain screen until its own issue builds it.
#pragma once

#include <string>

#include "screens/plain_screen.h"

class TMapScreen : public TPlainScreen {
 public:
  TMapScreen();
  virtual int mainloop();
};

extern TMapScreen* MapScreen;
