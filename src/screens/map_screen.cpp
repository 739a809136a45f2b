#include "screens/map_screen.h"

TMapScreen* MapScreen = nullptr;

TMapScreen::TMapScreen()
    : TPlainScreen("MapScreen", {{"PLAY A LEVEL", 2}, {"MENU", 1}, {"CONTINUE", 103}}) {}

int TMapScreen::mainloop() {
  return runPlain(nullptr);
}
