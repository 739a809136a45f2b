#include "screens/art_puzzle.h"

#include "screens/story_screen.h"

TArtPuzzle* ArtPuzzle = nullptr;

TArtPuzzle::TArtPuzzle() : TPlainScreen("ArtPuzzle", {{"STORY", 3}}) {}

int TArtPuzzle::mainloop() {
  runPlain(nullptr);
  StoryScreen->LoadStory(11);
  return 3;
}
