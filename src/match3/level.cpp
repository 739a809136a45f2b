#include "match3/level.h"

#include "match3/board_math.h"
#include "match3/chip.h"
#include "match3/tile.h"
#include "media/media.h"

TLevelPtr LoadLevel(const std::string& path) {
  auto level = std::make_shared<TLevel>();
  level->_Load(path);
  return level;
}

int TLevel::Init() {
  _InitDims();
  _InitBackground();
  _InitCreators();
  _InitTilesAtStart();
  return 0;
}

int TLevel::_InitDims() {
  width = cols * kCellSize;
  height = rows * kCellSize;
  drawX = 536 - width / 2;
  drawY = 390 - height / 2;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      tile[r][c]->drawX = drawX + c * kCellSize;
      tile[r][c]->drawY = drawY + r * kCellSize;
    }
  }
  return 0;
}

int TLevel::_InitBackground() {
  return 0;
}

int TLevel::_InitCreators() {
  creators.clear();
  for (int r = 0; r <= rows - 2; ++r) {
    for (int c = 0; c < cols; ++c) {
      if (r == 0 && tile[0][c]->id != kTileHole) {
        tile[0][c]->isCreator = 1;
        creators.push_back(tile[0][c]);
      }
      if (tile[r][c]->id == kTileHole && tile[r + 1][c]->id != kTileHole) {
        tile[r + 1][c]->isCreator = 1;
        creators.push_back(tile[r + 1][c]);
      }
    }
  }
  return 0;
}

int TLevel::_InitTilesAtStart() {
  if (tilesAtStart != 0) return 0;
  for (auto& row : tile)
    for (auto& t : row)
      if (t->id > kTilePlain) ++tilesAtStart;
  return 0;
}

std::vector<TChipPtr> TLevel::GetAllChipsList() {
  std::vector<TChipPtr> out;
  for (auto& row : tile)
    for (auto& t : row)
      if (t->chip) out.push_back(t->chip);
  return out;
}

TChipPtr TLevel::GetRandomChip() {
  if (availableChips.empty()) return nullptr;
  int n = RandomInt(1, static_cast<int>(availableChips.size()));
  return availableChips[static_cast<size_t>(n - 1)]->Copy();
}

int TLevel::CountTimeBonus() {
  static const int kBonus[8] = {5000, 2000, 1000, 500, 250, 100, 50, 10};
  if (g != 0) return 0;
  if (m < 0 || m >= 8) return 0;
  return kBonus[m];
}

std::optional<TDim> TLevel::ChipIsOneOfAvailables(const TChip& chip) {
  int n = static_cast<int>(availableChips.size()) * 50;
  for (size_t i = 0; i < availableChips.size(); ++i) {
    const TChip& kind = *availableChips[i];
    if (kind.Collect != 0 && kind.id == chip.id) {
      TDim d;
      d.x = static_cast<float>(531 - n / 2 + static_cast<int>(i) * 50);
      d.y = 40;
      return d;
    }
  }
  return std::nullopt;
}

int TLevel::AddCollect(const TChip& chip) {
  for (auto& kind : availableChips) {
    if (kind->id == chip.id) {
      kind->Collect -= 1;
      if (kind->Collect < 0) kind->Collect = 0;
      break;
    }
  }
  return 0;
}

int TLevel::ResetBlask() {
  blaskTime = MillisecondClock() + 4000;
  for (auto& row : tile)
    for (auto& t : row) t->blaskTime = 0;
  return 0;
}

int TLevel::UpdateBlaskWave() {
  int now = MillisecondClock();
  if (now <= blaskTime) return 0;
  blaskTime = now + 4000;
  for (auto& row : tile)
    for (auto& t : row) t->blaskTime = now + (t->r + t->c) * 100;
  return 0;
}

TTilePtr TLevel::TileAt(int r, int c) const {
  if (r < 0 || c < 0 || r >= rows || c >= cols) return nullptr;
  if (static_cast<size_t>(r) >= tile.size() || static_cast<size_t>(c) >= tile[r].size())
    return nullptr;
  return tile[r][c];
}

std::string TLevel::unplayableReason() const {
  if (rows < 1 || cols < 1 || rows > kMaxBoardSide || cols > kMaxBoardSide)
    return "the board has no cells or is larger than " + std::to_string(kMaxBoardSide) + " x " +
           std::to_string(kMaxBoardSide);
  if (availableChips.empty()) return "the level names no chip kind that exists";
  return "";
}

bool TLevel::isPlayable() const {
  return unplayableReason().empty();
}
