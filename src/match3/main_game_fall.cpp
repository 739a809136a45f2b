// Falling and refilling: chips drop one cell at a time into free cells below them, and creator
// cells produce new chips of random kinds.
#include "match3/chip.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "match3/tile.h"

int TMainGame::_updateChipsFall() {
  if (!level) return 0;
  for (int r = level->rows - 1; r >= 0; --r) {
    for (int c = 0; c < level->cols; ++c) {
      TTilePtr t = level->tile[r][c];
      if (TChipPtr chip = t->chip) chip->update();
      if (t->CheckFall()) FallChip(t);
    }
  }
  return 0;
}

int TMainGame::_updateChipsCreation() {
  if (!level) return 0;
  for (auto& t : level->creators) {
    if (t->chip) continue;
    TChipPtr chip = level->GetRandomChip();
    if (!chip) continue;
    t->PutChip(chip);
    chip->CreateMe();
  }
  return 0;
}

int TMainGame::FallChip(const TTilePtr& tile) {
  if (!tile || !tile->chip || !level) return 0;
  TTilePtr below = level->TileAt(tile->r + 1, tile->c);
  if (!below) return 0;
  TChipPtr chip = tile->chip;
  below->PutChip(chip);
  chip->Fall();
  tile->chip = nullptr;
  return 0;
}

int TMainGame::isTileEmpty(int r, int c) {
  TTilePtr t = level ? level->TileAt(r, c) : nullptr;
  return (!t || t->id == kTileHole) ? 1 : 0;
}

int TMainGame::isNotTileEmpty(int r, int c) {
  return isTileEmpty(r, c) ? 0 : 1;
}
