#include "screens/story_screen.h"

const TScreenDescriptor kStoryScreen = {
    "StoryScreen",
    "gfx/gui/storyScreen/#LANG#/storyScreen.gui",
    {"continue"},
    {},
};

TStoryScreen* StoryScreen = nullptr;

TStoryScreen::TStoryScreen() : TPlaceholderScreen(kStoryScreen, kTopLevel) {
  LeaveOnClick("MAPA", 4);
  LeaveOnClick("MAIN_GAME", 2);
  LeaveOnClick("CREDITS", 5);
}

int TStoryScreen::mainLoop() {
  return run(nullptr);
}

int TStoryScreen::LoadStory(int n) {
  storyNumber = n;
  subtitle = "story " + std::to_string(n);
  return 0;
}
