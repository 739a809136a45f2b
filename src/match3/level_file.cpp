// Reading and writing a level file: the five load steps and the five save steps of TLevel.
// Damaged values are repaired on the way in (with one diagnostic line each), so the rest of the
// game only ever sees a sane board.
#include "match3/board_math.h"
#include "match3/chip.h"
#include "match3/chip_kinds.h"
#include "match3/level.h"
#include "match3/tile.h"
#include "media/media.h"
#include "textdata/numbers.h"
#include "textdata/rcm_file.h"
#include "textdata/split_string.h"

namespace {

int ItemValue(const std::string& item) {
  return TruncToInt(TextToFloat(item));
}

int ReadInt(TRCMFile& file, const std::string& key, int index) {
  return TruncInt(file.getFloat(key, index, 0));
}

int Clamp(int v, int lo, int hi) {
  return v < lo ? lo : (v > hi ? hi : v);
}

std::string RowKey(const char* section, int r) {
  return std::string("level::") + section + "::row" + std::to_string(r);
}

// Reports, once per section, a row that has fewer values than the board has columns.
void CheckRowLength(TRCMFile& file, const std::string& levelPath, const char* section, int rows,
                    int cols) {
  for (int r = 0; r < rows; ++r) {
    if (file.getString(RowKey(section, r), cols - 1).empty()) {
      PrintLine("Level " + levelPath + ": \"" + RowKey(section, r) + "\" has fewer than " +
                std::to_string(cols) + " values; the missing ones read as 0");
      return;
    }
  }
}

}  // namespace

int TLevel::_Load(const std::string& levelPath) {
  path = levelPath;
  auto file = LoadRCM(levelPath);
  _loadData(*file);
  _loadTiles(*file);
  _loadChips(*file);
  _loadChains(*file);
  _loadChests(*file);
  Init();
  return 0;
}

int TLevel::_loadData(TRCMFile& file) {
  std::vector<std::string> ids = SplitString(file.getString("level::data::availableChips", 0), " ");
  std::vector<std::string> counts = SplitString(file.getString("level::data::toCollect", 0), " ");
  availableChips.clear();
  for (size_t k = 0; k < ids.size(); ++k) {
    int kindId = ItemValue(ids[k]);
    TChipPtr chip = NewChip(kindId);
    if (!chip) {
      PrintLine("Level " + path + ": available chip kind \"" + ids[k] +
                "\" does not exist and is left out");
      continue;
    }
    if (k < counts.size()) chip->Collect = ItemValue(counts[k]);
    if (chip->Collect < 0) chip->Collect = 0;
    if (chip->Collect == 0) chip->collectA = 0;
    availableChips.push_back(chip);
  }

  rows = ReadInt(file, "level::data::size", 0);
  cols = ReadInt(file, "level::data::size", 1);
  if (rows < 0 || cols < 0 || rows > kMaxBoardSide || cols > kMaxBoardSide ||
      (rows == 0) != (cols == 0)) {
    PrintLine("Level " + path + ": board size " + std::to_string(rows) + " x " +
              std::to_string(cols) + " is out of range; the board is left empty");
    rows = 0;
    cols = 0;
  }
  backgroundUrl = file.getString("level::data::background", 0);
  g = ReadInt(file, "level::data::time", 0);
  m = ReadInt(file, "level::data::time", 1);
  s = ReadInt(file, "level::data::time", 2);
  if (g < 0 || m < 0 || m > 59 || s < 0 || s > 59) {
    PrintLine("Level " + path + ": elapsed time out of range; clamped");
    g = g < 0 ? 0 : g;
    m = Clamp(m, 0, 59);
    s = Clamp(s, 0, 59);
  }
  tilesAtStart = ReadInt(file, "level::data::tilesAtStart", 0);
  if (tilesAtStart < 0) {
    PrintLine("Level " + path + ": negative tilesAtStart; the cells to clear are counted");
    tilesAtStart = 0;
  }
  return 0;
}

int TLevel::_loadTiles(TRCMFile& file) {
  tile.assign(static_cast<size_t>(rows), {});
  bool clamped = false;
  if (rows > 0) CheckRowLength(file, path, "tile", rows, cols);
  for (int r = 0; r < rows; ++r) {
    tile[r].reserve(static_cast<size_t>(cols));
    for (int c = 0; c < cols; ++c) {
      int kind = ReadInt(file, RowKey("tile", r), c);
      if (kind < kTileHole || kind > kTileToClear) {
        clamped = true;
        kind = Clamp(kind, kTileHole, kTileToClear);
      }
      TTilePtr t = NewTile(kind);
      t->r = r;
      t->c = c;
      t->level = weak_from_this();
      tile[r].push_back(t);
    }
  }
  if (clamped) PrintLine("Level " + path + ": cell kinds outside 0..2 were clamped");
  return 0;
}

int TLevel::_loadChips(TRCMFile& file) {
  bool unknown = false, onHole = false;
  if (rows > 0) CheckRowLength(file, path, "chips", rows, cols);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      int kindId = ReadInt(file, RowKey("chips", r), c);
      TChipPtr chip = NewChip(kindId);
      if (kindId != 0 && !chip) unknown = true;
      if (chip && tile[r][c]->id == kTileHole) {
        onHole = true;
        chip = nullptr;
      }
      tile[r][c]->PutChip(chip);
    }
  }
  if (unknown) PrintLine("Level " + path + ": chips of unknown kinds were left out");
  if (onHole) PrintLine("Level " + path + ": chips placed on holes were left out");
  return 0;
}

int TLevel::_loadChains(TRCMFile& file) {
  if (ReadInt(file, "level::chains::isChain", 0) == 0) return 0;
  bool repaired = false;
  if (rows > 0) CheckRowLength(file, path, "chains", rows, cols);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      int v = ReadInt(file, RowKey("chains", r), c);
      int fixed = tile[r][c]->id == kTileHole ? 0 : Clamp(v, 0, 2);
      if (fixed != v) repaired = true;
      tile[r][c]->chain = fixed;
    }
  }
  if (repaired) PrintLine("Level " + path + ": chain values outside 0..2 or on holes repaired");
  return 0;
}

int TLevel::_loadChests(TRCMFile& file) {
  if (ReadInt(file, "level::chests::isChest", 0) == 0) return 0;
  bool repaired = false;
  if (rows > 0) CheckRowLength(file, path, "chests", rows, cols);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      int v = ReadInt(file, RowKey("chests", r), c);
      int fixed = (v != 0 && tile[r][c]->id != kTileHole) ? 1 : 0;
      if (fixed != v) repaired = true;
      tile[r][c]->chest = fixed;
    }
  }
  if (repaired) PrintLine("Level " + path + ": chest values other than 0 and 1 repaired");
  return 0;
}

int TLevel::Save(const std::string& savePath) {
  auto file = CreateRCM();
  _saveData(*file);
  _saveTiles(*file);
  _saveChips(*file);
  _saveChains(*file);
  _saveChests(*file);
  // A level in progress is the player's game: say so when it could not be written.
  return file->save(savePath) ? 0 : -1;
}

int TLevel::_saveData(TRCMFile& file) {
  file.setFloat("level::data::size", static_cast<float>(rows), 0);
  file.setFloat("level::data::size", static_cast<float>(cols), 1);
  file.setString("level::data::background", backgroundUrl, 0);
  file.setFloat("level::data::time", static_cast<float>(g), 0);
  file.setFloat("level::data::time", static_cast<float>(m), 1);
  file.setFloat("level::data::time", static_cast<float>(s), 2);
  file.setFloat("level::data::tilesAtStart", static_cast<float>(tilesAtStart), 0);
  std::string ids, counts;
  for (auto& kind : availableChips) {
    ids += std::to_string(kind->id) + " ";
    counts += std::to_string(kind->Collect) + " ";
  }
  if (!ids.empty()) ids.pop_back();
  if (!counts.empty()) counts.pop_back();
  file.setString("level::data::availableChips", ids, 0);
  file.setString("level::data::toCollect", counts, 0);
  return 0;
}

int TLevel::_saveTiles(TRCMFile& file) {
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c)
      file.setFloat(RowKey("tile", r), static_cast<float>(tile[r][c]->id), c);
  return 0;
}

int TLevel::_saveChips(TRCMFile& file) {
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const TChipPtr& chip = tile[r][c]->chip;
      file.setFloat(RowKey("chips", r), static_cast<float>(chip ? chip->id : 0), c);
    }
  return 0;
}

int TLevel::_saveChains(TRCMFile& file) {
  file.setFloat("level::chains::isChain", 1, 0);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c)
      file.setFloat(RowKey("chains", r), static_cast<float>(tile[r][c]->chain), c);
  return 0;
}

int TLevel::_saveChests(TRCMFile& file) {
  file.setFloat("level::chests::isChest", 1, 0);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c)
      file.setFloat(RowKey("chests", r), static_cast<float>(tile[r][c]->chest), c);
  return 0;
}

void WriteBoardState(TLevel& level, TRCMFile& file) {
  level._saveData(file);
  level._saveTiles(file);
  level._saveChips(file);
  level._saveChains(file);
  level._saveChests(file);
  file.setFloat("level::data::score", static_cast<float>(level.score), 0);
}
