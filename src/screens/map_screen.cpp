#include "screens/map_screen.h"

#include "app/globals.h"
#include "app/update_common.h"
#include "screens/profile.h"

const TScreenDescriptor kMapScreen = {
    "MapScreen",
    "gfx/gui/mapScreen/#LANG#/mapScreen.gui",
    {"CONTINUE", "HELP", "MENU"},
    {},
};

TMapScreen* MapScreen = nullptr;

TMapScreen::TMapScreen() : TPlaceholderScreen(kMapScreen, kTopLevel) {
  LeaveOnClick("PLAY", 2);
  LeaveOnClick("MENU", 1);
  LeaveOnClick("CONTINUE", 103);
}

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
  return run(nullptr);
}
