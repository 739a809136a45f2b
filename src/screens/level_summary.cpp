#include "screens/level_summary.h"

const TScreenDescriptor kLevelSummaryScreen = {
    "LevelSummary",
    "gfx/gui/levelSummary/#LANG#/levelSummary.gui",
    {"OK"},
    {},
};

TLevelSummary* LevelSummary = nullptr;

TLevelSummary::TLevelSummary() : TPlaceholderScreen(kLevelSummaryScreen, kModal) {
  LeaveOnClick("OK", 0);
}

int TLevelSummary::mainloop() {
  run(ScreenOnShow());
  return 0;
}
