// The artifact collection (modal, opened from the main menu with cheats on): a placeholder screen
// that a click anywhere closes.
#pragma once

#include "screens/placeholder_screen.h"

extern const TScreenDescriptor kArtifactScreen;

class TArtifactScreen : public TPlaceholderScreen {
 public:
  TArtifactScreen();
  virtual int Setup();
  virtual int mainloop(TEkran* caller, int mode);
};

extern TArtifactScreen* ArtifactScreen;
