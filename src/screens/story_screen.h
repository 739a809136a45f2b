// The story screen (top-level screen 3); returns the loaded story's end: a placeholder screen
// with a row for each place a story can lead to.
#pragma once

#include "screens/placeholder_screen.h"

extern const TScreenDescriptor kStoryScreen;

class TStoryScreen : public TPlaceholderScreen {
 public:
  TStoryScreen();
  virtual int mainLoop();
  virtual int LoadStory(int n);
  int storyNumber = -1;
};

extern TStoryScreen* StoryScreen;
