#include "screens/puzzle_win.h"

TPuzzleWin::TPuzzleWin() : TPlainScreen("PuzzleWin", {{"OK", 0}}) {}

int TPuzzleWin::mainloop() {
  runPlain(ScreenOnShow());
  return 0;
}
