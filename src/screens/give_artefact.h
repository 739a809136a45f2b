// The found-artifact panel (modal, opened from the map).
// Runs as a plain screen until its own issue builds it.
#pragma once

#include <string>

#include "screens/plain_screen.h"

class TArtifact;

class TGiveArtefact : public TPlainScreen {
 public:
  TGiveArtefact();
  virtual int mainloop(TEkran* caller, TArtifact* artifact);
};

extern TGiveArtefact* GiveArtefact;
