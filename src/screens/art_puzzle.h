// The artifact puzzle (top-level screen 6); always leads to story 11. A placeholder screen that
// a click anywhere ends.
#pragma once

#include "screens/placeholder_screen.h"

extern const TScreenDescriptor kArtPuzzleScreen;

class TArtPuzzle : public TPlaceholderScreen {
 public:
  TArtPuzzle();
  virtual int mainloop();
};

extern TArtPuzzle* ArtPuzzle;
