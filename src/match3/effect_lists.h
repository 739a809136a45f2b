// The global lists of live board effects and the chip-kind prototypes (created with the other
// globals at start-up). Each effect removes itself from its list when it is done; the lists hold
// shared references, so nothing an effect uses can disappear under it.
#pragma once

#include "match3/board_types.h"
#include "media/tlist.h"

class TFantom;
class TFlyingChip;
class TCaption;
class TParticle;
class TFlyingChest;
class TBomb;

extern TList<TChip> ChipKinds;
extern TList<TFantom> FantomList;
extern TList<TFlyingChip> FlyingChipList;
extern TList<TCaption> CaptionList;
extern TList<TParticle> ParticleList;
extern TList<TFlyingChest> FlyingChestList;
extern TList<TBomb> BombList;

// Empties every list above (a new start-up, or a test that starts afresh).
void ClearBoardLists();
