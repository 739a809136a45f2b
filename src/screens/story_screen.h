// The story screen (top-level screen 3); returns the loaded story's end.
// Runs as a plain screen until its own issue builds it.
#pragma once

#include <string>

#include "screens/plain_screen.h"

class TStoryScreen : public TPlainScreen {
 public:
  TStoryScreen();
  virtual int mainLoop();
  virtual int LoadStory(int n);
  int storyNumber = -1;
};

extern TStoryScreen* StoryScreen;
