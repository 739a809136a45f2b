// The loading screen: sets up every screen in a fixed order with a progress frame between the
// steps. Runs as a plain screen until its own issue builds it (the steps here are the screens'
// own set-ups; the catalogues and profiles join when their subsystems exist).
#pragma once

#include <functional>
#include <vector>

#include "screens/plain_screen.h"

class TLoadingScreen : public TPlainScreen {
 public:
  TLoadingScreen();
  virtual int Setup();
  virtual int Mainloop();
  // Draws one progress frame; p counts the frames drawn.
  virtual int progressFrame();
  int p = 0;
  int steps = 1;
};

extern TLoadingScreen* LoadingScreen;
