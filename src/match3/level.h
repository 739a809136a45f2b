// TLevel: one match-three level: the board size and its grid of cells, the chip kinds that may
// appear with their collect goals, the creator cells, the elapsed play time and the score. It is
// read from and written to a level file in the RCM data format.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/records.h"
#include "match3/board_types.h"

struct TImage;
class TRCMFile;

// A board larger than this in either direction is a damaged file: the screen shows about 21 x 16
// cells, and a huge size would exhaust memory or stall every frame.
constexpr int kMaxBoardSide = 64;

class TLevel : public std::enable_shared_from_this<TLevel> {
 public:
  TImage* background = nullptr;
  std::string backgroundUrl;
  int rows = 0;
  int cols = 0;
  int width = 0;
  int height = 0;
  int drawX = 0;
  int drawY = 0;
  std::vector<std::vector<TTilePtr>> tile;
  std::vector<TChipPtr> availableChips;
  std::vector<TTilePtr> creators;
  std::vector<TChipPtr> collecting;
  int blaskTime = 0;
  int secondTime = 0;
  int g = 0;
  int m = 0;
  int s = 0;
  int score = 0;
  int tilesAtStart = 0;

  virtual ~TLevel() = default;
  virtual int _Load(const std::string& path);
  virtual int _loadData(TRCMFile& file);
  virtual int _loadTiles(TRCMFile& file);
  virtual int _loadChips(TRCMFile& file);
  virtual int _loadChains(TRCMFile& file);
  virtual int _loadChests(TRCMFile& file);
  // 0 when written, -1 when the file could not be written (the old file is then untouched).
  virtual int Save(const std::string& path);
  virtual int _saveData(TRCMFile& file);
  virtual int _saveTiles(TRCMFile& file);
  virtual int _saveChips(TRCMFile& file);
  virtual int _saveChains(TRCMFile& file);
  virtual int _saveChests(TRCMFile& file);
  virtual int Init();
  virtual int _InitDims();
  virtual int _InitBackground();
  virtual int _InitCreators();
  virtual int _InitTilesAtStart();
  // Chips on all cells, row by row from the top, each row from the left.
  virtual std::vector<TChipPtr> GetAllChipsList();
  // A new chip of a random available kind; null when the level has no kinds.
  virtual TChipPtr GetRandomChip();
  virtual int CountTimeBonus();
  // Screen position of the goal counter of the chip's kind; none when it is no (longer a) goal.
  virtual std::optional<TDim> ChipIsOneOfAvailables(const TChip& chip);
  virtual int AddCollect(const TChip& chip);
  virtual int ResetBlask();
  // One frame of the glow schedule: when the wave is due, every cell gets its start time.
  virtual int UpdateBlaskWave();

  // The cell at (r, c), or null outside the grid.
  TTilePtr TileAt(int r, int c) const;
  // Whether the game can play this level: a sane board size and at least one chip kind.
  bool isPlayable() const;
  // Why the level is not playable ("" when it is).
  std::string unplayableReason() const;

  std::string path;  // the file the level was loaded from (for diagnostics)
};

// Creates a level and loads it from the file; always returns the new level.
TLevelPtr LoadLevel(const std::string& path);

// Writes the board in the level file's keys, plus "level::data::score", into file (the harness's
// state dump).
void WriteBoardState(TLevel& level, TRCMFile& file);

// Checks every level file below gameDir ("data/levels/level-N.txt") and "data/chips.txt";
// returns the number of problems found, each described in problems.
int CheckLevelFiles(const std::string& gameDir, std::vector<std::string>& problems);
// Checks one level file at path against the chip kinds of gameDir; returns the number of
// problems found, each described in problems (without the file's name).
int CheckLevelFile(const std::string& gameDir, const std::string& path,
                   std::vector<std::string>& problems);
