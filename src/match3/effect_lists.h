// The global lists of live board effects and the chip-kind prototypes. Each effect removes itself
// from its list when it is done; the lists hold shared references, so nothing an effect uses can
// disappear under it.
#pragma once

#include "match3/board_types.h"
#include "media/tlist.h"

extern TList<TParticle> ParticleList;
extern TList<TFantom> FantomList;
extern TList<TFlyingChip> FlyingChipList;
extern TList<TCaption> CaptionList;
extern TList<TFlyingChest> FlyingChestList;
extern TList<TBomb> BombList;
// Chip kind prototypes in file order (filled by LoadChipKinds).
extern TList<TChip> ChipKinds;
