#include "screens/give_artefact.h"

const TScreenDescriptor kGiveArtefactScreen = {
    "GiveArtefact",
    "gfx/gui/artifact/#LANG#/giveArt.gui",
    {"ok"},
    {},
};

TGiveArtefact* GiveArtefact = nullptr;

TGiveArtefact::TGiveArtefact() : TPlaceholderScreen(kGiveArtefactScreen, kModal) {
  LeaveOnClick("OK", 0);
}

int TGiveArtefact::mainloop(TEkran* caller, TArtifact* artifact) {
  (void)artifact;
  run(caller);
  return 0;
}
