#include "screens/story_screen.h"

TStoryScreen* StoryScreen = nullptr;

TStoryScreen::TStoryScreen()
    : TPlainScreen("StoryScreen", {{"MAPA", 4}, {"MAIN_GAME", 2}, {"CREDITS", 5}}) {}

int TStoryScreen::mainLoop() {
  return runPlain(nullptr);
}

int TStoryScreen::LoadStory(int n) {
  storyNumber = n;
  subtitle = "story " + std::to_string(n);
  return 0;
}
