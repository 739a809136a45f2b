// The loading screen: sets up every screen, the catalogues and the profiles in a fixed order,
// drawing a progress frame after each step. It has no loop of its own: the set-ups are the steps.
#pragma once

#include <functional>
#include <vector>

#include "gui/gui_screen.h"

extern const TScreenDescriptor kLoadingScreen;

class TLoadingScreen : public TGuiScreen {
 public:
  TLoadingScreen();
  virtual int Setup();
  virtual int Mainloop();
  // Draws one progress frame; p counts the frames drawn.
  virtual int progressFrame();
  int p = 0;
  int steps = 29;
};

extern TLoadingScreen* LoadingScreen;
