// Hints, the move check and the shuffle: which swap is found on small boards, the arrows, the
// idle timing, dismissal by a click, and the shuffle of a board without moves.
#include <gtest/gtest.h>

#include "game_screen_fixture.h"
#include "sound_recorder.h"

using game_test::GameScreenTest;

namespace {

class HintTest : public GameScreenTest {};

struct FindCase {
  const char* name;
  std::vector<std::string> chips;
  std::vector<std::string> chains;  // empty: none
  std::vector<std::string> chests;  // empty: none
  int r1, c1, r2, c2;               // -1: no swap
};

TEST_F(HintTest, MoveCheckFindsASwapExactlyWhenThePlayerCanMakeOne) {
  const FindCase cases[] = {
      {"no move", {"1, 2, 3", "2, 3, 1", "4, 5, 4"}, {}, {}, -1, -1, -1, -1},
      // The only line is made by a vertical swap in the last rows.
      {"last row", {"1, 2, 3, 4", "3, 4, 1, 2", "5, 1, 5, 3", "2, 5, 4, 1"}, {}, {}, 2, 1, 3, 1},
      // Several swaps: the first cell in reading order wins, and above before below, then
      // left, then right.
      {"reading order", {"1, 2, 1, 3", "2, 1, 3, 2", "3, 3, 2, 1"}, {}, {}, 0, 1, 1, 1},
      // The line needs a chained chip to move: that swap can never be made.
      {"chained",
       {"1, 2, 1", "2, 1, 3", "4, 5, 4"},
       {"0, 0, 0", "0, 1, 0", "0, 0, 0"},
       {},
       -1,
       -1,
       -1,
       -1},
      {"under a chest",
       {"1, 2, 1", "2, 1, 3", "4, 5, 4"},
       {},
       {"0, 0, 0", "0, 1, 0", "0, 0, 0"},
       -1,
       -1,
       -1,
       -1},
      // A chained third chip of the line does not stop the swap.
      {"chained third chip",
       {"1, 2, 1", "2, 1, 3", "4, 5, 4"},
       {"1, 0, 0", "0, 0, 0", "0, 0, 0"},
       {},
       0,
       1,
       1,
       1},
  };
  for (const FindCase& fc : cases) {
    auto t = game_test::Board(fc.chips);
    t.chains = fc.chains;
    t.chests = fc.chests;
    Load(t);
    auto h = game.FindHint();
    if (fc.r1 < 0) {
      EXPECT_EQ(h, nullptr) << fc.name;
      continue;
    }
    ASSERT_NE(h, nullptr) << fc.name;
    EXPECT_EQ(h->tile1->r, fc.r1) << fc.name;
    EXPECT_EQ(h->tile1->c, fc.c1) << fc.name;
    EXPECT_EQ(h->tile2->r, fc.r2) << fc.name;
    EXPECT_EQ(h->tile2->c, fc.c2) << fc.name;
    // The test swap leaves every chip where it was.
    for (int r = 0; r < game.level->rows; ++r)
      for (int c = 0; c < game.level->cols; ++c)
        if (auto ch = At(r, c)->chip) {
          EXPECT_EQ(ch->Tile(), At(r, c)) << fc.name;
        }
  }
}

TEST_F(HintTest, ArrowsPointAtEachOther) {
  struct Case {
    int dr, dc, dir, rot1, rot2, vx1, vy1, ox1, oy1, ox2, oy2;
  } cases[] = {{0, -1, 0, -180, 0, -24, 0, 0, -12, 0, 12},
               {-1, 0, 1, -90, 90, 0, -24, 12, 0, -12, 0},
               {0, 1, 2, 0, -180, 24, 0, 0, 12, 0, -12},
               {1, 0, 3, 90, -90, 0, 24, -12, 0, 12, 0}};
  Load(game_test::Board({"1, 2, 3", "2, 3, 1", "4, 5, 4"}));
  for (auto& c : cases) {
    THint h;
    h.tile1 = At(1, 1);
    h.tile2 = At(1 + c.dr, 1 + c.dc);
    EXPECT_EQ(h.CountDir(), c.dir);
    h.CountPositions();
    EXPECT_EQ(h.rot1, c.rot1);
    EXPECT_EQ(h.rot2, c.rot2);
    EXPECT_EQ(h.vx1, c.vx1);
    EXPECT_EQ(h.vy1, c.vy1);
    EXPECT_EQ(h.vx2, -c.vx1);
    EXPECT_EQ(h.vy2, -c.vy1);
    EXPECT_EQ(h.posX1, h.tile1->drawX + c.ox1);
    EXPECT_EQ(h.posY1, h.tile1->drawY + c.oy1);
    EXPECT_EQ(h.posX2, h.tile2->drawX + c.ox2);
    EXPECT_EQ(h.posY2, h.tile2->drawY + c.oy2);
  }
}

TEST_F(HintTest, HintAfterSixSecondsIdleAndGoneAfterAClick) {
  board_test::SoundScope sound;
  Load(game_test::Board({"1, 2, 1", "2, 1, 3", "4, 5, 4"}));
  game.ResetHint();
  AdvanceVirtualClock(5999);
  game._updateHint();
  EXPECT_EQ(game.hint, nullptr);
  AdvanceVirtualClock(2);
  game._updateHint();
  ASSERT_NE(game.hint, nullptr);
  EXPECT_EQ(sound.snd.sounds, std::vector<std::string>{"hint"});
  // Finding it restarted the wait; it fades in over 20 frames.
  auto shown = game.hint;
  for (int i = 0; i < 20; ++i) shown->update();
  EXPECT_FLOAT_EQ(shown->a, 1);
  // A click fades it out; after 20 frames it is gone and the wait starts again.
  shown->da = 0;
  for (int i = 0; i < 19; ++i) shown->update();
  EXPECT_EQ(game.hint, shown);
  Tick();
  shown->update();
  EXPECT_EQ(game.hint, nullptr);
  EXPECT_EQ(game.hintTime, MillisecondClock() + 6000);
}

TEST_F(HintTest, RestingBoardWithoutMovesIsShuffled) {
  board_test::SoundScope sound;
  Load(game_test::Board({"1, 2, 3", "2, 3, 1", "4, 5, 4"}));
  game.nothingHappens = 1;
  game.CHECK_MOVES();
  EXPECT_EQ(game.tempHint, nullptr);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) EXPECT_EQ(At(r, c)->chip, nullptr);
  EXPECT_EQ(FlyingChipList.Count(), 9);
  ASSERT_EQ(CaptionList.Count(), 1);
  EXPECT_EQ(CaptionList.First()->n, 3);
  EXPECT_EQ(CaptionList.First()->typ, 3);
  // An empty board (nothing could refill it) is not shuffled again and again.
  game.CHECK_MOVES();
  EXPECT_EQ(CaptionList.Count(), 1);
  EXPECT_EQ(sound.snd.sounds, std::vector<std::string>{"shuffle"});
}

TEST_F(HintTest, ShuffledBoardRefillsAndSettlesWithAMove) {
  Load(game_test::Board({"1, 2, 3, 4", "3, 4, 1, 2", "1, 2, 3, 4", "3, 4, 1, 2"}));
  ASSERT_EQ(game.FindHint(), nullptr);
  game.state = 0;
  int shuffles = 0, frames = 0;
  bool settled = false;
  while (frames < 2000 && !settled) {
    Tick();
    int before = CaptionList.Count();
    game._update_STATE_Normal();
    if (CaptionList.Count() > before) ++shuffles;
    UpdateAndDrawCaptions();
    ++frames;
    int chips = 0;
    for (auto& row : game.level->tile)
      for (auto& t : row) chips += t->chip ? 1 : 0;
    settled = chips == 16 && game.nothingHappens == 1 && game.tempHint != nullptr;
  }
  EXPECT_TRUE(settled) << "after " << frames << " frames and " << shuffles << " shuffles";
  EXPECT_GE(shuffles, 1);
  // Only a board without moves is shuffled: a settled board never reaches a second shuffle per
  // refill, so the count stays far below the number of frames.
  EXPECT_LT(shuffles, 20);
}

TEST_F(HintTest, KnownMoveIsKeptUntilSomethingMoves) {
  Load(game_test::Board({"1, 2, 1", "2, 1, 3", "4, 5, 4"}));
  game.CHECK_MOVES();
  ASSERT_NE(game.tempHint, nullptr);
  auto known = game.tempHint;
  // Even when the board changes, a known move stands until a busy frame clears it.
  At(0, 0)->chip = nullptr;
  game.CHECK_MOVES();
  EXPECT_EQ(game.tempHint, known);
  EXPECT_EQ(CaptionList.Count(), 0);
}

}  // namespace
