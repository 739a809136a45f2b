#include "screens/tutorial.h"

#include "app/globals.h"

const TScreenDescriptor kTutorialScreen = {
    "Tutorial",
    "gfx/gui/tutorial/#LANG#/tutorial.gui",
    {"OK", "PREV", "NEXT"},
    {},
};

TTutorial* Tutorial = nullptr;

TTutorial::TTutorial() : TPlaceholderScreen(kTutorialScreen, kModal) {
  LeaveOnClick("OK", 0);
}

int TTutorial::mainloop(TEkran* caller, int a, int b) {
  (void)a;
  (void)b;
  if (NoTutorial != 0) return 0;
  run(caller);
  return 0;
}
