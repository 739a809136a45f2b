// The puzzle's win panel (modal, owned and run by the artifact puzzle; not a singleton): a
// placeholder screen that a click anywhere closes.
#pragma once

#include "screens/placeholder_screen.h"

extern const TScreenDescriptor kPuzzleWinScreen;

class TPuzzleWin : public TPlaceholderScreen {
 public:
  TPuzzleWin();
  virtual int mainloop();
};
