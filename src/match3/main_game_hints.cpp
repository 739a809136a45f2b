// The game screen's services around possible moves: the idle hint, the move check run whenever
// the board comes to rest, and the shuffle of a board without moves.
#include "match3/board_sound.h"
#include "match3/caption.h"
#include "match3/chip.h"
#include "match3/flying_chip.h"
#include "match3/hint.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "match3/tile.h"
#include "media/media.h"

int TMainGame::_updateHint() {
  if (MillisecondClock() < hintTime || hint) return 0;
  hint = FindHint();
  if (hint) PlayBoardSound("hint");
  return 0;
}

int TMainGame::_drawHint() {
  if (!hint) return 0;
  SetDrawColour(255, 255, 255);
  SetDrawAlpha(1);
  SetDrawRotation(0);
  SetBlendMode(kBlendAlpha);
  SetDrawScale(1, 1);
  THintPtr shown = hint;
  shown->draw();
  return 0;
}

THintPtr TMainGame::FindHint() {
  if (!level) return nullptr;
  for (int r = 0; r < level->rows; ++r) {
    for (int c = 0; c < level->cols; ++c) {
      if (auto h = FindHint_Move(r, c, r - 1, c)) return h;
      if (auto h = FindHint_Move(r, c, r + 1, c)) return h;
      if (auto h = FindHint_Move(r, c, r, c - 1)) return h;
      if (auto h = FindHint_Move(r, c, r, c + 1)) return h;
    }
  }
  return nullptr;
}

THintPtr TMainGame::FindHint_Move(int r1, int c1, int r2, int c2) {
  if (!level) return nullptr;
  TTilePtr t1 = level->TileAt(r1, c1), t2 = level->TileAt(r2, c2);
  if (!t1 || !t2) return nullptr;
  TChipPtr chip1 = t1->chip, chip2 = t2->chip;
  // Only swaps the player can actually start count: a move that can never be made must not keep
  // a stuck board from being shuffled.
  if (!chip1 || !chip2) return nullptr;
  if (!chip1->isFree() || !chip2->isFree() || !chip1->CanMove() || !chip2->CanMove())
    return nullptr;
  t1->chip = chip2;
  t2->chip = chip1;
  std::vector<TChipPtr> l1 = CheckMatch(t1);
  std::vector<TChipPtr> l2 = CheckMatch(t2);
  t1->chip = chip1;
  t2->chip = chip2;
  if (l1.size() < 3 && l2.size() < 3) return nullptr;
  auto h = std::make_shared<THint>();
  h->tile1 = t1;
  h->tile2 = t2;
  h->CountPositions();
  return h;
}

int TMainGame::CHECK_MOVES() {
  if (tempHint) return 0;
  tempHint = FindHint();
  if (!tempHint) Shuffle();
  return 0;
}

int TMainGame::Shuffle() {
  if (!level) return 0;
  // A board that cannot refill stays empty: shuffling it again every frame would only repeat
  // the sound and the caption for ever.
  bool anyChip = false;
  for (auto& row : level->tile)
    for (auto& t : row)
      if (t && t->chip) anyChip = true;
  if (!anyChip) return 0;
  PlayBoardSound("shuffle");
  NewCaption(3, 512, 384, 3, 0);
  for (auto& row : level->tile) {
    for (auto& t : row) {
      if (!t || !t->chip) continue;
      NewFlyingChipOut(t->chip);
      t->chip = nullptr;
    }
  }
  return 0;
}
