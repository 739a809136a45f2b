#include "screens/give_artefact.h"

TGiveArtefact* GiveArtefact = nullptr;

TGiveArtefact::TGiveArtefact() : TPlainScreen("GiveArtefact", {{"OK", 0}}) {}

int TGiveArtefact::mainloop(TEkran* caller, TArtifact* artifact) {
  (void)artifact;
  runPlain(caller);
  return 0;
}
