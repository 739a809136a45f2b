#include "screens/puzzle_win.h"

// The same .gui file as the found-artifact panel, loaded separately.
const TScreenDescriptor kPuzzleWinScreen = {
    "PuzzleWin",
    "gfx/gui/artifact/#LANG#/giveArt.gui",
    {"ok"},
    {},
};

TPuzzleWin::TPuzzleWin() : TPlaceholderScreen(kPuzzleWinScreen, kModal) {
  LeaveOnClick("OK", 0);
}

int TPuzzleWin::mainloop() {
  run(ScreenOnShow());
  return 0;
}
