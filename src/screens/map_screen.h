// The quest map (top-level screen 4): a placeholder screen with rows for playing the current
// level, the main menu and continuing the quest.
#pragma once

#include "screens/placeholder_screen.h"

extern const TScreenDescriptor kMapScreen;

class TMapScreen : public TPlaceholderScreen {
 public:
  TMapScreen();
  virtual int mainloop();
};

extern TMapScreen* MapScreen;
