#include "screens/artifact_screen.h"

const TScreenDescriptor kArtifactScreen = {
    "ArtifactScreen",
    "gfx/gui/artifact/#LANG#/artScreen.gui",
    {"continue"},
    {},
};

TArtifactScreen* ArtifactScreen = nullptr;

TArtifactScreen::TArtifactScreen() : TPlaceholderScreen(kArtifactScreen, kModal) {
  LeaveOnClick("OK", 0);
}

int TArtifactScreen::Setup() {
  return setup();
}

int TArtifactScreen::mainloop(TEkran* caller, int mode) {
  (void)mode;
  run(caller);
  return 0;
}
