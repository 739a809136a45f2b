#include "screens/map_screen.h"

#include "app/globals.h"
#include "app/update_common.h"
#include "screens/profile.h"

TMapScreen* MapScreen = nullptr;

TMapScreen::TMapScreen()
    : TPlainScreen("MapScreen", {{"PLAY A LEVEL", 2}, {"MENU", 1}, {"CONTINUE", 103}}) {}

int TMapScreen::mainloop() {
  // Entering the map is where the quest is resumed from and a finished level's progress is
  // written: the player may quit from here and must find the next level waiting.
  if (Profile) {
    Profile->actScreen = 4;
    if (Profile->highestLevel < Profile->questLevelId)
      Profile->highestLevel = Profile->questLevelId;
    subtitle = "level " + std::to_string(Profile->questLevelId);
  }
  SaveAll();
  return runPlain(nullptr);
}
