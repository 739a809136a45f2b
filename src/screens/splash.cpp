#include "screens/splash.h"

const TScreenDescriptor kSplashScreen = {"Splash", nullptr, {}, {}};

TSplash* Splash = nullptr;

TSplash::TSplash() : TPlaceholderScreen(kSplashScreen, kTopLevel) {
  cursor_ = 0;
  LeaveOnClick("CONTINUE", 0);
}

int TSplash::mainloop() {
  shownFrames = 0;
  return run(nullptr);
}

int TSplash::_react() {
  TPlaceholderScreen::_react();
  if (fade == 0 && ++shownFrames >= kShowFrames) dFade = 1;
  return 0;
}
