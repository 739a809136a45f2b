// The continue-quest panel (modal, opened from the main menu): a placeholder screen with rows for
// a new quest, resuming, and going back.
#pragma once

#include "screens/placeholder_screen.h"

extern const TScreenDescriptor kContinueQuestScreen;

class TContinueQuest : public TPlaceholderScreen {
 public:
  TContinueQuest();
  // 101 a new quest, 104 resume, 0 back to the menu.
  virtual int mainloop();
};

extern TContinueQuest* ContinueQuest;
