// Forward declarations and shared-pointer names of the board's objects. Levels, cells, chips and
// every board effect are held by shared pointers so an effect keeps what it refers to alive.
#pragma once

#include <memory>

class TLevel;
class TTile;
class TChip;
class TParticle;
class TFantom;
class TFlyingChip;
class TCaption;
class TFlyingChest;
class TBomb;
class TM3Pair;
class TMainGame;

using TLevelPtr = std::shared_ptr<TLevel>;
using TTilePtr = std::shared_ptr<TTile>;
using TChipPtr = std::shared_ptr<TChip>;
using TParticlePtr = std::shared_ptr<TParticle>;

// Size of one board cell in pixels.
constexpr int kCellSize = 48;
