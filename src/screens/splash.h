// The splash screen, shown once at start-up before loading: a placeholder screen that fades in,
// shows its name and fades out after a second or on a click. The cursor stays hidden.
#pragma once

#include "screens/placeholder_screen.h"

extern const TScreenDescriptor kSplashScreen;

class TSplash : public TPlaceholderScreen {
 public:
  TSplash();
  virtual int mainloop();
  int shownFrames = 0;
  static constexpr int kShowFrames = 60;

 protected:
  int _react() override;
};

extern TSplash* Splash;
