#include "screens/artifact_screen.h"

TArtifactScreen* ArtifactScreen = nullptr;

TArtifactScreen::TArtifactScreen() : TPlainScreen("ArtifactScreen", {{"OK", 0}}) {}

int TArtifactScreen::Setup() {
  return setup();
}

int TArtifactScreen::mainloop(TEkran* caller, int mode) {
  (void)mode;
  runPlain(caller);
  return 0;
}
