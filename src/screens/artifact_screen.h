// The artifact collection (modal, opened from the main menu with cheats on).
// Runs as a plain screen until its own issue builds it.
#pragma once

#include <string>

#include "screens/plain_screen.h"

class TArtifactScreen : public TPlainScreen {
 public:
  TArtifactScreen();
  virtual int Setup();
  virtual int mainloop(TEkran* caller, int mode);
};

extern TArtifactScreen* ArtifactScreen;
