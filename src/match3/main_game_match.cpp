// Line detection and clearing on the game screen's board.
#include <algorithm>
#include <limits>

#include "match3/chip.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "match3/tile.h"
#include "screens/profile.h"

int TMainGame::AddScore(int points) {
  if (!level) return 0;
  level->score = SaturatingAdd(level->score, points);
  TProfile* profile = EnsureProfile();
  profile->cash = SaturatingAdd(profile->cash, points);
  return 0;
}

TTilePtr TMainGame::GetTileByVector(const TTilePtr& tile, int dr, int dc) {
  if (!tile || !level) return nullptr;
  return level->TileAt(tile->r + dr, tile->c + dc);
}

int TMainGame::isMatched(const TTilePtr& a, const TTilePtr& b) {
  if (!a || !b || !a->chip || !b->chip) return 0;
  if (!b->chip->isFree()) return 0;
  if (b->chest != 0) return 0;
  return a->chip->id == b->chip->id ? 1 : 0;
}

int TMainGame::_CheckMatchDown(const TTilePtr& tile, std::vector<TChipPtr>& list) {
  for (int r = tile->r + 1; r < level->rows; ++r) {
    TTilePtr t = level->TileAt(r, tile->c);
    if (!isMatched(tile, t)) break;
    list.push_back(t->chip);
  }
  return 0;
}

int TMainGame::_CheckMatchUp(const TTilePtr& tile, std::vector<TChipPtr>& list) {
  for (int r = tile->r - 1; r >= 0; --r) {
    TTilePtr t = level->TileAt(r, tile->c);
    if (!isMatched(tile, t)) break;
    list.push_back(t->chip);
  }
  return 0;
}

int TMainGame::_CheckMatchLeft(const TTilePtr& tile, std::vector<TChipPtr>& list) {
  for (int c = tile->c - 1; c >= 0; --c) {
    TTilePtr t = level->TileAt(tile->r, c);
    if (!isMatched(tile, t)) break;
    list.push_back(t->chip);
  }
  return 0;
}

int TMainGame::_CheckMatchRight(const TTilePtr& tile, std::vector<TChipPtr>& list) {
  for (int c = tile->c + 1; c < level->cols; ++c) {
    TTilePtr t = level->TileAt(tile->r, c);
    if (!isMatched(tile, t)) break;
    list.push_back(t->chip);
  }
  return 0;
}

std::vector<TChipPtr> TMainGame::CheckMatch(const TTilePtr& tile) {
  std::vector<TChipPtr> result;
  if (!tile || !tile->chip || !level) return result;
  std::vector<TChipPtr> vertical{tile->chip}, horizontal{tile->chip};
  _CheckMatchDown(tile, vertical);
  _CheckMatchUp(tile, vertical);
  _CheckMatchLeft(tile, horizontal);
  _CheckMatchRight(tile, horizontal);
  if (vertical.size() > 2) result = vertical;
  if (horizontal.size() > 2) {
    for (auto& chip : horizontal)
      if (std::find(result.begin(), result.end(), chip) == result.end()) result.push_back(chip);
  }
  return result;
}

int TMainGame::CheckMatchSpec(const TTilePtr& tile) {
  std::vector<TChipPtr> group = CheckMatch(tile);
  if (group.size() >= 3) MatchChips(group);
  return 0;
}

int TMainGame::MatchChips(const std::vector<TChipPtr>& chips) {
  int n = static_cast<int>(chips.size());
  AddScore(15 * n * (n - 2));
  for (auto& chip : chips) chip->Destroy(0, kDestroyMatch);
  return 0;
}
