#include "screens/splash.h"

#include "app/frame_timing.h"
#include "media/media.h"

TSplash* Splash = nullptr;

TSplash::TSplash() : TPlainScreen("Splash", {{"CONTINUE", 0}}) {}

int TSplash::mainloop() {
  TScreenOnShow onShow(this);
  // The first frame would otherwise measure the whole start-up.
  for (int i = 0; i < 101; ++i) UpdateDelta();
  alpha = 1;
  dAlpha = 1;
  fade = 1;
  dFade = 0;
  shownFrames = 0;
  for (;;) {
    ClearBackBuffer();
    update();
    draw();
    FlipFrame(0);
    if (fade == 0 && ++shownFrames >= kShowFrames) dFade = 1;
    if (Mouse->leftPressed != 0) dFade = 1;
    if (fade == 1 && dFade == 1) break;
  }
  return 0;
}
