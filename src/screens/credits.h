// The credits (top-level screen 5); always lead back to the main menu. A placeholder screen that
// a click anywhere ends.
#pragma once

#include "screens/placeholder_screen.h"

extern const TScreenDescriptor kCreditsScreen;

class TCredits : public TPlaceholderScreen {
 public:
  TCredits();
  virtual int mainloop();
};

extern TCredits* Credits;
