// The artifact puzzle (top-level screen 6); always leads to story 11.
// Runs as a plain screen until its own issue builds it.
#pragma once

#include <string>

#include "screens/plain_screen.h"

class TArtPuzzle : public TPlainScreen {
 public:
  TArtPuzzle();
  virtual int mainloop();
};

extern TArtPuzzle* ArtPuzzle;
