#include "screens/show_levels.h"

TShowLevels* ShowLevels = nullptr;

TShowLevels::TShowLevels() : TPlainScreen("ShowLevels", {{"PLAY", 1}, {"BACK", 0}}) {}

int TShowLevels::mainloop(int levelNumber) {
  subtitle = "level " + std::to_string(levelNumber);
  numerLevelu = runPlain(ScreenOnShow()) != 0 ? levelNumber : 0;
  return numerLevelu;
}
