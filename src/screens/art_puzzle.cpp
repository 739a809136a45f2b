#include "screens/art_puzzle.h"

#include "screens/story_screen.h"

const TScreenDescriptor kArtPuzzleScreen = {
    "ArtPuzzle",
    "gfx/gui/artifact/#LANG#/puzzle.gui",
    {"menu"},
    {},
};

TArtPuzzle* ArtPuzzle = nullptr;

TArtPuzzle::TArtPuzzle() : TPlaceholderScreen(kArtPuzzleScreen, kTopLevel) {
  LeaveOnClick("STORY", 3);
}

int TArtPuzzle::mainloop() {
  run(nullptr);
  StoryScreen->LoadStory(11);
  return 3;
}
