#include "screens/show_levels.h"

const TScreenDescriptor kShowLevelsScreen = {
    "ShowLevels",
    "gfx/gui/showLevels/#LANG#/showLevels.gui",
    {"BACK", "PLAY"},
    {},
};

TShowLevels* ShowLevels = nullptr;

TShowLevels::TShowLevels() : TPlaceholderScreen(kShowLevelsScreen, kModal) {
  LeaveOnClick("PLAY", 1);
  LeaveOnClick("BACK", 0);
}

int TShowLevels::mainloop(int levelNumber) {
  subtitle = "level " + std::to_string(levelNumber);
  numerLevelu = run(ScreenOnShow()) != 0 ? levelNumber : 0;
  return numerLevelu;
}
