// The chip kinds of "data/chips.txt": prototypes in ChipKinds, their pictures in ChipImages, and
// the functions that find a kind and make chips of it.
#pragma once

#include <string>

#include "match3/board_types.h"

struct TImage;

constexpr int kChipImageSlots = 25;
extern TImage* ChipImages[kChipImageSlots];

// Reads assetRoot + "data/chips.txt", replacing ChipKinds. Returns the number of kinds read.
int LoadChipKinds(const std::string& assetRoot);
// The first prototype with that id, or null.
TChipPtr GetChipKind(int id);
// A fresh copy of that prototype, or null when no kind has the id.
TChipPtr NewChip(int id);
