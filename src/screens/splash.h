// The splash screen, shown once at start-up before loading. Runs as a plain screen until its own
// issue builds it: it fades in, shows its name and fades out after a second or on a click.
#pragma once

#include "screens/plain_screen.h"

class TSplash : public TPlainScreen {
 public:
  TSplash();
  virtual int mainloop();
  int shownFrames = 0;
  static constexpr int kShowFrames = 60;
};

extern TSplash* Splash;
