#include "match3/effect_lists.h"

#include "match3/bomb.h"
#include "match3/caption.h"
#include "match3/chip.h"
#include "match3/fantom.h"
#include "match3/flying_chest.h"
#include "match3/flying_chip.h"
#include "match3/particle.h"

TList<TChip> ChipKinds;
TList<TFantom> FantomList;
TList<TFlyingChip> FlyingChipList;
TList<TCaption> CaptionList;
TList<TParticle> ParticleList;
TList<TFlyingChest> FlyingChestList;
TList<TBomb> BombList;

void ClearBoardLists() {
  ChipKinds.Clear();
  FantomList.Clear();
  FlyingChipList.Clear();
  CaptionList.Clear();
  ParticleList.Clear();
  FlyingChestList.Clear();
  BombList.Clear();
}
