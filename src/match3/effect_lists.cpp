#include "match3/effect_lists.h"

TList<TParticle> ParticleList;
TList<TFantom> FantomList;
TList<TFlyingChip> FlyingChipList;
TList<TCaption> CaptionList;
TList<TFlyingChest> FlyingChestList;
TList<TBomb> BombList;
TList<TChip> ChipKinds;
