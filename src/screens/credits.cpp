#include "screens/credits.h"

const TScreenDescriptor kCreditsScreen = {"Credits", nullptr, {}, {}};

TCredits* Credits = nullptr;

TCredits::TCredits() : TPlaceholderScreen(kCreditsScreen, kTopLevel) {
  LeaveOnClick("MENU", 1);
}

int TCredits::mainloop() {
  run(nullptr);
  return 1;
}
