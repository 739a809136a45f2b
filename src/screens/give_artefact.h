// The found-artifact panel (modal, opened from the map): a placeholder screen that a click
// anywhere closes.
#pragma once

#include "screens/placeholder_screen.h"

class TArtifact;

extern const TScreenDescriptor kGiveArtefactScreen;

class TGiveArtefact : public TPlaceholderScreen {
 public:
  TGiveArtefact();
  virtual int mainloop(TEkran* caller, TArtifact* artifact);
};

extern TGiveArtefact* GiveArtefact;
