// The puzzle's win panel (modal, owned and run by the artifact puzzle; not a singleton).
// Runs as a plain screen until its own issue builds it.
#pragma once

#include "screens/plain_screen.h"

class TPuzzleWin : public TPlainScreen {
 public:
  TPuzzleWin();
  virtual int mainloop();
};
