// The data check of the level files and the chip-kind file: every problem a player could meet
// in a level, reported with the file it is in.
#include <set>

#include "match3/board_math.h"
#include "match3/level.h"
#include "media/media.h"
#include "textdata/numbers.h"
#include "textdata/rcm_file.h"
#include "textdata/split_string.h"

namespace {

std::string Join(const std::string& dir, const std::string& name) {
  if (dir.empty() || dir.back() == '/') return dir + name;
  return dir + "/" + name;
}

bool IsWhole(float v) {
  return static_cast<float>(TruncInt(v)) == v;
}

std::string Str(float v) {
  if (IsWhole(v)) return std::to_string(TruncInt(v));
  return std::to_string(v);
}

// The values of one entry: count and each as a float; count stops at the first missing value.
int ValueCount(TRCMFile& file, const std::string& key) {
  int n = 0;
  while (n <= kMaxBoardSide * 4 && !file.getString(key, n).empty()) ++n;
  return n;
}

// Reads the kind ids of the chip file, reporting its problems.
std::set<int> CheckChipFile(const std::string& gameDir, std::vector<std::string>& problems) {
  std::set<int> ids;
  const std::string name = "data/chips.txt";
  std::string path = Join(gameDir, name);
  if (PathKind(path) != 1) {
    problems.push_back(name + ": missing");
    return ids;
  }
  auto file = LoadRCM(path);
  for (auto& p : file->problems()) problems.push_back(name + ": " + p);
  float count = file->getFloat("chips::i", 0);
  int n = TruncInt(count);
  if (n < 1 || !IsWhole(count)) problems.push_back(name + ": \"chips::i\" is " + Str(count));
  if (n > 25) problems.push_back(name + ": more than 25 chip kinds");
  if (n > 1000) n = 1000;
  for (int i = 1; i <= n; ++i) {
    std::string base = "chips::chip" + std::to_string(i) + "::";
    std::string where = name + ": chip" + std::to_string(i);
    if (file->getString(base + "id", 0).empty()) {
      problems.push_back(where + ": no id");
      continue;
    }
    float idv = file->getFloat(base + "id", 0);
    int id = TruncInt(idv);
    if (!IsWhole(idv) || id < 1) problems.push_back(where + ": id " + Str(idv) + " is not valid");
    if (!ids.insert(id).second) problems.push_back(where + ": id " + Str(idv) + " twice");
    if (id <= 100 && id != i) {
      problems.push_back(where + ": ordinary kind " + std::to_string(id) + " must be entry " +
                         std::to_string(id) + " (the preview draws it so)");
    }
    std::string gfx = file->getString(base + "gfx", 0);
    if (gfx.empty()) {
      problems.push_back(where + ": no picture");
    } else if (PathKind(Join(gameDir, gfx)) != 1) {
      problems.push_back(where + ": picture \"" + gfx + "\" not found");
    }
    if (ValueCount(*file, base + "rgb") != 3) problems.push_back(where + ": rgb needs 3 values");
    for (int k = 0; k < 3; ++k) {
      float v = file->getFloat(base + "rgb", k);
      if (v < 0 || v > 255) problems.push_back(where + ": rgb value " + Str(v) + " not 0..255");
    }
  }
  if (!ids.count(101)) problems.push_back(name + ": the bomb chip kind 101 is missing");
  if (!ids.count(102)) problems.push_back(name + ": the lightning chip kind 102 is missing");
  return ids;
}

void CheckRows(TRCMFile& file, const std::string& where, const char* section, int rows, int cols,
               const std::set<int>& allowed, const std::string& what,
               std::vector<std::string>& problems) {
  for (int r = 0; r < rows; ++r) {
    std::string key = std::string("level::") + section + "::row" + std::to_string(r);
    int n = ValueCount(file, key);
    if (n != cols) {
      problems.push_back(where + ": \"" + key + "\" has " + std::to_string(n) + " values, not " +
                         std::to_string(cols));
    }
    for (int c = 0; c < n && c < cols; ++c) {
      float v = file.getFloat(key, c);
      if (!IsWhole(v) || !allowed.count(TruncInt(v))) {
        problems.push_back(where + ": \"" + key + "\" value " + std::to_string(c) + " is " +
                           Str(v) + ", not " + what);
      }
    }
  }
}

void CheckLevel(const std::string& path, const std::string& name, const std::set<int>& kinds,
                std::vector<std::string>& problems) {
  auto file = LoadRCM(path);
  for (auto& p : file->problems()) problems.push_back(name + ": " + p);
  float rv = file->getFloat("level::data::size", 0), cv = file->getFloat("level::data::size", 1);
  int rows = TruncInt(rv), cols = TruncInt(cv);
  if (rows < 1 || cols < 1 || rows > kMaxBoardSide || cols > kMaxBoardSide || !IsWhole(rv) ||
      !IsWhole(cv)) {
    problems.push_back(name + ": board size " + Str(rv) + " x " + Str(cv) + " is not 1.." +
                       std::to_string(kMaxBoardSide));
    return;
  }
  std::set<int> ordinary;
  for (int id : kinds)
    if (id <= 100) ordinary.insert(id);
  std::vector<std::string> ids =
      SplitString(file->getString("level::data::availableChips", 0), " ");
  if (ids.empty()) problems.push_back(name + ": no available chip kinds");
  for (auto& item : ids) {
    float v = TextToFloat(item);
    if (item.empty() || !IsWhole(v) || !ordinary.count(TruncInt(v)))
      problems.push_back(name + ": available chip kind \"" + item + "\" does not exist");
  }
  std::vector<std::string> counts = SplitString(file->getString("level::data::toCollect", 0), " ");
  for (auto& item : counts) {
    float v = TextToFloat(item);
    if (item.empty() || !IsWhole(v) || v < 0)
      problems.push_back(name + ": collect count \"" + item + "\" is not a whole number >= 0");
  }
  if (counts.size() > ids.size()) problems.push_back(name + ": more collect counts than kinds");
  float g = file->getFloat("level::data::time", 0), m = file->getFloat("level::data::time", 1),
        s = file->getFloat("level::data::time", 2);
  if (g < 0 || m < 0 || m > 59 || s < 0 || s > 59)
    problems.push_back(name + ": elapsed time out of range");
  if (file->getFloat("level::data::tilesAtStart", 0) < 0)
    problems.push_back(name + ": tilesAtStart is negative");

  std::set<int> chipValues = ordinary;
  chipValues.insert(0);
  CheckRows(*file, name, "tile", rows, cols, {0, 1, 2}, "0, 1 or 2", problems);
  CheckRows(*file, name, "chips", rows, cols, chipValues, "0 or an ordinary chip kind", problems);
  if (file->getFloat("level::chains::isChain", 0) != 0)
    CheckRows(*file, name, "chains", rows, cols, {0, 1, 2}, "0, 1 or 2", problems);
  if (file->getFloat("level::chests::isChest", 0) != 0)
    CheckRows(*file, name, "chests", rows, cols, {0, 1}, "0 or 1", problems);
  int cells = 0;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c)
      if (TruncInt(file->getFloat("level::tile::row" + std::to_string(r), c)) > 0) ++cells;
  if (cells == 0) problems.push_back(name + ": no cell to play on (every cell is a hole)");
}

}  // namespace

int CheckLevelFiles(const std::string& gameDir, std::vector<std::string>& problems) {
  size_t before = problems.size();
  std::set<int> kinds = CheckChipFile(gameDir, problems);
  auto name = [](int n) { return "data/levels/level-" + std::to_string(n) + ".txt"; };
  // The quest's levels are numbered from 1 without gaps; the check looks a little past the
  // quest's 100 so that a stray extra file is checked too.
  int highest = 0;
  for (int n = 1; n <= 200; ++n)
    if (PathKind(Join(gameDir, name(n))) == 1) highest = n;
  if (highest == 0) problems.push_back("data/levels/level-1.txt: missing (no level files)");
  for (int n = 1; n <= highest; ++n) {
    std::string path = Join(gameDir, name(n));
    if (PathKind(path) != 1) {
      problems.push_back(name(n) + ": missing (level " + std::to_string(highest) + " exists)");
      continue;
    }
    CheckLevel(path, name(n), kinds, problems);
  }
  return static_cast<int>(problems.size() - before);
}

int CheckLevelFile(const std::string& gameDir, const std::string& path,
                   std::vector<std::string>& problems) {
  std::vector<std::string> found;
  std::set<int> kinds = CheckChipFile(gameDir, found);
  CheckLevel(path, "level", kinds, found);
  // The level's own problems read best without the placeholder name in front.
  for (auto& p : found) {
    if (p.compare(0, 7, "level: ") == 0) p = p.substr(7);
    problems.push_back(p);
  }
  return static_cast<int>(found.size());
}
