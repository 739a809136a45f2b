// Moves on the virtual clock: picking, swapping by clicks and drags, matching and scoring,
// power-up chips, falling past holes and locks, refilling and cascades, and the board frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "board_fixture.h"
#include "match3/caption.h"
#include "match3/pair.h"
#include "sound_recorder.h"

using board_test::LevelText;
using board_test::LoadFromText;
using testing_support::ScratchDir;

namespace {

// The whole board in normal play, with a mouse the test moves and presses.
class Play {
 public:
  explicit Play(const TLevelPtr& lv) : level(lv) {
    game.level = lv;
    MainGame = &game;
    Mouse = &mouse;
    FrameDelta = 1;
  }
  ~Play() {
    game.pairsList.Clear();
    MainGame = nullptr;
    Mouse = nullptr;
  }
  Play(const Play&) = delete;
  Play& operator=(const Play&) = delete;

  TTilePtr at(int r, int c) const { return level->TileAt(r, c); }
  TChipPtr chip(int r, int c) const { return at(r, c)->chip; }
  int id(int r, int c) const { return at(r, c)->chip ? at(r, c)->chip->id : 0; }

  // One frame of normal play, in the game screen's order.
  void frame() {
    static const int kSteps[3] = {16, 17, 17};
    AdvanceVirtualClock(kSteps[frameNo++ % 3]);
    game._updateTilesOver();
    game._updateChipsFall();
    game._updateChipsCreation();
    game._updatePicked();
    game._updatePairs();
    UpdateFlyingChips();
    mouse.leftPressed = 0;
  }
  void frames(int n) {
    for (int i = 0; i < n; ++i) frame();
  }
  void moveTo(float x, float y) {
    mouse.x = x;
    mouse.y = y;
  }
  // Press on the cell (optionally off its centre) and release in the next frame.
  void click(int r, int c) {
    press(r, c);
    release();
  }
  void press(int r, int c, float dx = 0, float dy = 0) {
    moveTo(static_cast<float>(at(r, c)->drawX) + dx, static_cast<float>(at(r, c)->drawY) + dy);
    mouse.leftPressed = 1;
    mouse.leftHolded = 1;
    frame();
  }
  void release() {
    mouse.leftHolded = 0;
    frame();
  }
  // Rows of chip ids, for comparing whole boards.
  std::vector<std::vector<int>> ids() const {
    std::vector<std::vector<int>> out(static_cast<size_t>(level->rows));
    for (int r = 0; r < level->rows; ++r)
      for (int c = 0; c < level->cols; ++c) out[r].push_back(id(r, c));
    return out;
  }

  TLevelPtr level;
  TMainGame game;
  TMouse mouse;
  int frameNo = 0;
};

class MovesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(media.ok());
    board_test::MakeKinds();
    board_test::MakeParticleImages();
    board_test::ClearEffects();
    SeedRandom(5);
  }
  void TearDown() override {
    board_test::FreeTestImages();
    board_test::ClearEffects();
    ChipKinds.Clear();
    for (auto& slot : ParticleImages) slot = nullptr;
  }
  TLevelPtr Board(std::vector<std::string> chips, std::vector<std::string> tiles = {},
                  std::vector<std::string> chains = {}, std::vector<std::string> chests = {}) {
    LevelText t;
    int rows = static_cast<int>(chips.size());
    int cols = static_cast<int>(std::count(chips[0].begin(), chips[0].end(), ',')) + 1;
    t.data = {"size = " + std::to_string(rows) + ", " + std::to_string(cols),
              "availableChips = \"1 2 3 4 5\""};
    if (tiles.empty()) {
      std::string row = "1";
      for (int c = 1; c < cols; ++c) row += ", 1";
      tiles.assign(static_cast<size_t>(rows), row);
    }
    t.tiles = std::move(tiles);
    t.chips = std::move(chips);
    t.chains = std::move(chains);
    t.chests = std::move(chests);
    return LoadFromText(dir, t.str());
  }
  testing_support::MediaScope media;
  ScratchDir dir;
};

// A 5 x 5 board without lines.
std::vector<std::string> Quiet() {
  return {"1, 2, 3, 4, 5", "3, 4, 5, 1, 2", "5, 1, 2, 3, 4", "2, 3, 4, 5, 1", "4, 5, 1, 2, 3"};
}

TEST_F(MovesTest, PickingRules) {
  Play p(Board(Quiet()));
  auto before = p.ids();
  p.click(2, 2);
  EXPECT_EQ(p.game.picked, p.at(2, 2));
  p.click(2, 2);  // the picked chip again: the pick stays
  EXPECT_EQ(p.game.picked, p.at(2, 2));
  p.click(3, 3);  // a diagonal cell: it becomes the pick, nothing moves
  EXPECT_EQ(p.game.picked, p.at(3, 3));
  EXPECT_EQ(p.game.pairsList.Count(), 0);
  EXPECT_EQ(p.ids(), before);
  p.click(3, 2);  // a neighbour: the swap starts and the pick is gone
  EXPECT_EQ(p.game.pairsList.Count(), 1);
  EXPECT_EQ(p.game.picked, nullptr);
}

TEST_F(MovesTest, DragsSwapOnlyPastFivePixelsAlongTheMainAxis) {
  struct Case {
    float dx, dy;
    int swapR, swapC;  // -1: no swap
  };
  const Case cases[] = {{6, 2, 2, 3},  {5, 0, -1, -1}, {7, 7, -1, -1},
                        {-6, 0, 2, 1}, {0, -9, 1, 2},  {1, 6, 3, 2}};
  for (const Case& k : cases) {
    SCOPED_TRACE(std::to_string(k.dx) + "," + std::to_string(k.dy));
    Play p(Board(Quiet()));
    p.press(2, 2);
    p.moveTo(p.mouse.x + k.dx, p.mouse.y + k.dy);
    p.frame();
    if (k.swapR < 0) {
      EXPECT_EQ(p.game.pairsList.Count(), 0);
      EXPECT_EQ(p.game.picked, p.at(2, 2));
    } else {
      ASSERT_EQ(p.game.pairsList.Count(), 1);
      auto pair = p.game.pairsList.First();
      EXPECT_EQ(pair->chip1, p.at(2, 2)->chip);
      EXPECT_EQ(pair->chip2, p.at(k.swapR, k.swapC)->chip);
    }
  }
  // A drag over the board's edge finds no neighbour and is refused.
  Play edge(Board(Quiet()));
  edge.press(0, 4);
  edge.moveTo(edge.mouse.x + 20, edge.mouse.y);
  edge.frame();
  EXPECT_EQ(edge.game.pairsList.Count(), 0);
}

TEST_F(MovesTest, SwapWithoutALineGoesAndComesBack) {
  board_test::SoundScope sound;
  Play p(Board(Quiet()));
  auto before = p.ids();
  auto swapped = before;
  std::swap(swapped[2][2], swapped[2][3]);
  p.click(2, 2);
  p.press(2, 3);  // this frame starts the swap
  EXPECT_EQ(sound.snd.sounds, std::vector<std::string>{"moveUp"});
  int frames = 1;
  p.mouse.leftHolded = 0;
  while (p.game.pairsList.Count() > 0 && frames < 200) {
    p.frame();
    ++frames;
    if (frames == 19) {
      // Still on the way over: nothing has changed places and nothing was refused yet.
      EXPECT_EQ(p.ids(), before);
      EXPECT_EQ(sound.snd.count("no"), 0);
    }
    if (frames == 20) {
      // Over: the chips have changed cells, no line was found, and they start back.
      EXPECT_EQ(p.ids(), swapped);
      EXPECT_EQ(sound.snd.count("no"), 1);
      ASSERT_EQ(p.game.pairsList.Count(), 1);
      EXPECT_EQ(p.game.pairsList.First()->byloCheck, 1);
      EXPECT_FLOAT_EQ(p.game.pairsList.First()->p, 0);
    }
  }
  EXPECT_EQ(frames, 40);  // 20 frames over (the first is the pressing frame), 20 back
  EXPECT_EQ(p.ids(), before);
  EXPECT_EQ(p.level->score, 0);
  EXPECT_TRUE(p.at(2, 2)->chip->isFree());
  EXPECT_TRUE(p.at(2, 3)->chip->isFree());
  EXPECT_EQ(sound.snd.sounds, (std::vector<std::string>{"moveUp", "no"}));
}

TEST_F(MovesTest, SwapsThatMatch) {
  struct Case {
    const char* name;
    std::vector<std::string> chips;
    int r1, c1, r2, c2;
    int score;
    bool powerUp;  // the moved chip (now on r2, c2) turns into a bomb or lightning chip
    int cleared;   // chips set to vanish by the match
  };
  const std::vector<Case> cases = {
      {"line of three",
       {"1, 1, 3, 4, 5", "3, 4, 1, 1, 2", "5, 1, 2, 3, 4", "2, 3, 4, 5, 1", "4, 5, 1, 2, 3"},
       1,
       2,
       0,
       2,
       45,
       false,
       3},
      {"line of four",
       {"1, 1, 3, 1, 5", "3, 4, 1, 4, 2", "5, 1, 2, 3, 4", "2, 3, 4, 5, 1", "4, 5, 1, 2, 3"},
       1,
       2,
       0,
       2,
       120,
       false,
       4},
      {"line of five",
       {"1, 1, 3, 1, 1", "3, 4, 1, 4, 2", "5, 1, 2, 3, 4", "2, 3, 4, 5, 1", "4, 5, 1, 2, 3"},
       1,
       2,
       0,
       2,
       120,
       true,
       4},
      {"an L of three and three",
       {"1, 2, 3, 4, 5", "3, 4, 1, 1, 2", "1, 1, 2, 3, 4", "2, 3, 1, 5, 1", "4, 5, 1, 2, 3"},
       1,
       2,
       2,
       2,
       120,
       true,
       4},
      {"a T of three and three",
       {"2, 3, 1, 4, 5", "3, 1, 4, 1, 2", "5, 4, 1, 3, 4", "2, 3, 1, 5, 3", "4, 5, 2, 2, 3"},
       0,
       2,
       1,
       2,
       120,
       true,
       4},
      {"two lines at once",
       {"1, 2, 3, 5, 4", "3, 4, 3, 5, 2", "5, 1, 5, 3, 4", "2, 3, 4, 1, 5", "4, 5, 1, 2, 3"},
       2,
       2,
       2,
       3,
       360,
       false,
       6},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    board_test::ClearEffects();
    board_test::SoundScope sound;
    Play p(Board(k.chips));
    ASSERT_TRUE(p.game.CheckMatch(p.at(k.r1, k.c1)).empty());
    TChipPtr moved = p.at(k.r1, k.c1)->chip;
    p.game.SwapTiles(p.at(k.r1, k.c1), p.at(k.r2, k.c2));
    p.frames(20);
    EXPECT_EQ(p.level->score, k.score);
    EXPECT_EQ(p.game.pairsList.Count(), 0);
    EXPECT_EQ(moved->Tile(), p.at(k.r2, k.c2));
    int destroying = 0;
    for (int r = 0; r < 5; ++r)
      for (int c = 0; c < 5; ++c)
        if (p.at(r, c)->chip && p.at(r, c)->chip->state == kChipDestroying) ++destroying;
    EXPECT_EQ(destroying, k.cleared);
    EXPECT_EQ(sound.snd.count("no"), 0);
    if (k.powerUp) {
      EXPECT_EQ(moved->state, kChipRest);
      ASSERT_TRUE(moved->changeChipTo);
      EXPECT_TRUE(moved->changeChipTo->id == kBombChipId ||
                  moved->changeChipTo->id == kLightningChipId);
      ASSERT_EQ(CaptionList.Count(), 1);
      EXPECT_GE(CaptionList.First()->n, 5);  // one of the five combo captions
      EXPECT_LE(CaptionList.First()->n, 9);
      EXPECT_EQ(sound.snd.count("createBomb"), 1);
    } else {
      EXPECT_EQ(moved->state, kChipDestroying);
      EXPECT_EQ(moved->changeChipTo, nullptr);
      EXPECT_EQ(CaptionList.Count(), 0);
      EXPECT_EQ(sound.snd.count("createBomb"), 0);
    }
  }
}

TEST_F(MovesTest, ChainedChipsCompleteLinesButCannotBePickedOrMoved) {
  Play p(Board(
      {"1, 1, 3, 4, 5", "3, 4, 1, 1, 2", "5, 1, 2, 3, 4", "2, 3, 4, 5, 1", "4, 5, 1, 2, 3"}, {},
      {"1, 0, 0, 0, 0", "0, 0, 0, 0, 0", "0, 0, 0, 0, 0", "0, 0, 0, 0, 0", "0, 0, 0, 0, 0"}));
  p.click(0, 0);
  EXPECT_EQ(p.game.picked, nullptr);
  p.game.SwapTiles(p.at(0, 0), p.at(1, 0));
  EXPECT_EQ(p.game.pairsList.Count(), 0);
  // Moving the 1 up completes 1 1 1 with the chained chip: the line clears, the chain only
  // loses its link and its chip stays.
  TChipPtr chained = p.at(0, 0)->chip;
  p.game.SwapTiles(p.at(1, 2), p.at(0, 2));
  p.frames(20);
  EXPECT_EQ(p.level->score, 45);
  p.frames(2);
  EXPECT_EQ(p.at(0, 0)->chain, 0);
  EXPECT_EQ(p.at(0, 0)->chip, chained);
  EXPECT_EQ(chained->state, kChipRest);
}

TEST_F(MovesTest, PowerUpChipsFireWhenSwappedOrClicked) {
  std::vector<std::string> chips = {"1, 2, 3, 4, 5", "3, 4, 5, 1, 2", "5, 1, 101, 3, 4",
                                    "2, 3, 4, 5, 1", "4, 5, 1, 2, 3"};
  {
    Play p(Board(chips));
    TChipPtr bomb = p.at(2, 2)->chip;
    p.game.SwapTiles(p.at(2, 2), p.at(2, 3));
    p.frames(20);
    // The bomb fired on the cell it moved to: its neighbours have pending hits.
    EXPECT_EQ(bomb->Tile(), p.at(2, 3));
    EXPECT_EQ(bomb->state, kChipDestroying);
    EXPECT_NE(p.at(2, 4)->bombTime, 0);
    EXPECT_NE(p.at(0, 3)->bombTime, 0);
  }
  chips[2] = "5, 1, 102, 3, 4";
  {
    Play p(Board(chips));
    p.click(2, 2);
    EXPECT_EQ(p.game.picked, p.at(2, 2));
    p.click(4, 0);  // anywhere: the picked lightning chip fires
    EXPECT_EQ(p.game.picked, nullptr);
    EXPECT_EQ(p.at(2, 2)->chip->state, kChipDestroying);
    EXPECT_NE(p.at(2, 0)->lightTime, 0);
    EXPECT_NE(p.at(0, 2)->lightTime, 0);
    EXPECT_EQ(p.at(4, 0)->chip->state, kChipRest);
  }
}

TEST_F(MovesTest, ChipsUnderAChestCannotBePickedMovedOrContinueALine) {
  board_test::SoundScope sound;
  Play p(Board(
      {"1, 1, 3, 4, 5", "3, 4, 1, 1, 2", "5, 1, 2, 3, 4", "2, 3, 4, 5, 1", "4, 5, 1, 2, 3"}, {}, {},
      {"1, 0, 0, 0, 0", "0, 0, 0, 0, 0", "0, 0, 0, 0, 0", "0, 0, 0, 0, 0", "0, 0, 0, 0, 0"}));
  auto before = p.ids();
  p.click(0, 0);
  EXPECT_EQ(p.game.picked, nullptr);
  // Neither from its own side nor from a neighbour's.
  p.click(0, 1);
  EXPECT_EQ(p.game.picked, p.at(0, 1));
  p.click(0, 0);
  EXPECT_EQ(p.game.picked, p.at(0, 1));
  EXPECT_EQ(p.game.pairsList.Count(), 0);
  p.game.SwapTiles(p.at(1, 0), p.at(0, 0));
  EXPECT_EQ(p.game.pairsList.Count(), 0);
  EXPECT_EQ(sound.snd.count("moveUp"), 0);
  // Moving a 1 up beside "1 1" whose first chip lies under the chest makes no line: the swap
  // is refused at its end and comes back.
  p.game.picked = nullptr;
  p.game.SwapTiles(p.at(1, 2), p.at(0, 2));
  p.frames(40);
  EXPECT_EQ(p.game.pairsList.Count(), 0);
  EXPECT_EQ(p.level->score, 0);
  EXPECT_EQ(sound.snd.count("no"), 1);
  EXPECT_EQ(p.ids(), before);
  EXPECT_EQ(p.at(0, 0)->chest, 1);
}

TEST_F(MovesTest, PowerUpChipSwappedWithAnyNeighbourFiresWhereItLands) {
  struct Case {
    const char* name;
    const char* row2;     // the bomb chip sits at (2, 2)
    int r, c;             // the neighbour it is swapped with
    bool neighbourFirst;  // the neighbour was picked first (the bomb is the pair's second chip)
  };
  const Case cases[] = {{"up", "5, 1, 101, 3, 4", 1, 2, false},
                        {"down", "5, 1, 101, 3, 4", 3, 2, false},
                        {"left", "5, 1, 101, 3, 4", 2, 1, false},
                        {"right", "5, 1, 101, 3, 4", 2, 3, false},
                        {"right, picked from the neighbour", "5, 1, 101, 3, 4", 2, 3, true},
                        // The neighbour completes "1 1 1" where the bomb was: only the bomb acts.
                        {"left, making a line", "5, 1, 101, 1, 1", 2, 1, false},
                        {"left, making a line, from the neighbour", "5, 1, 101, 1, 1", 2, 1, true}};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    board_test::SoundScope sound;
    auto chips = Quiet();
    chips[2] = k.row2;
    Play p(Board(chips));
    TChipPtr bomb = p.chip(2, 2);
    TChipPtr other = p.chip(k.r, k.c);
    if (k.neighbourFirst) {
      p.game.SwapTiles(p.at(k.r, k.c), p.at(2, 2));
    } else {
      p.game.SwapTiles(p.at(2, 2), p.at(k.r, k.c));
    }
    p.frames(20);
    int now = MillisecondClock();
    EXPECT_EQ(p.game.pairsList.Count(), 0);
    EXPECT_EQ(bomb->Tile(), p.at(k.r, k.c));
    EXPECT_EQ(bomb->state, kChipDestroying);
    EXPECT_EQ(other->Tile(), p.at(2, 2));
    // Fired on the cell it moved to: that cell is hit at once, the cell it left 160 ms later.
    EXPECT_EQ(p.at(k.r, k.c)->bombTime, now);
    EXPECT_EQ(p.at(2, 2)->bombTime, now + 160);
    EXPECT_EQ(p.level->score, 0);
    EXPECT_EQ(sound.snd.count("no"), 0);
    EXPECT_EQ(sound.snd.count("bomb"), 1);
    EXPECT_EQ(sound.snd.count("bomb2"), 1);
  }

  // A bomb chip and a lightning chip swapped: each fires on its new cell.
  auto chips = Quiet();
  chips[2] = "5, 1, 101, 102, 4";
  Play p(Board(chips));
  p.game.SwapTiles(p.at(2, 2), p.at(2, 3));
  p.frames(20);
  int now = MillisecondClock();
  EXPECT_EQ(p.at(2, 3)->bombTime, now);
  EXPECT_EQ(p.at(0, 2)->lightTime, now + 300);  // two cells above the lightning's new cell
  EXPECT_EQ(p.at(2, 0)->lightTime, now + 300);
  EXPECT_EQ(p.at(4, 4)->lightTime, 0);
}

TEST_F(MovesTest, PickedBombChipFiresOnTheNextClickAnywhere) {
  auto chips = Quiet();
  chips[2] = "5, 1, 101, 3, 4";
  Play p(Board(chips));
  p.click(2, 2);
  EXPECT_EQ(p.game.picked, p.at(2, 2));
  p.press(2, 3);  // a neighbour: no swap, the bomb fires where it is
  int now = MillisecondClock();
  EXPECT_EQ(p.at(2, 2)->bombTime, now);
  EXPECT_EQ(p.at(2, 3)->bombTime, now + 160);
  // The press went to the bomb alone: it neither picked the neighbour nor started a drag.
  EXPECT_EQ(p.game.picked, nullptr);
  EXPECT_EQ(p.game.holded, 0);
  p.release();
  EXPECT_EQ(p.game.picked, nullptr);
  EXPECT_EQ(p.game.pairsList.Count(), 0);
  EXPECT_EQ(p.chip(2, 2)->state, kChipDestroying);
  EXPECT_EQ(p.chip(2, 2)->id, kBombChipId);
  EXPECT_EQ(p.chip(2, 3)->id, 3);
}

TEST_F(MovesTest, PressingThePickedCellAgainMeasuresTheDragFromTheNewPress) {
  Play p(Board(Quiet()));
  p.click(2, 2);
  // Press again on the same cell, 20 pixels right of its centre: the pick stays.
  p.press(2, 2, 20, 0);
  EXPECT_EQ(p.game.picked, p.at(2, 2));
  EXPECT_EQ(p.game.hx, p.at(2, 2)->drawX + 20);
  // 4 more pixels: 24 from the first press, but only 4 from this one.
  p.moveTo(p.mouse.x + 4, p.mouse.y);
  p.frame();
  EXPECT_EQ(p.game.pairsList.Count(), 0);
  p.moveTo(p.mouse.x + 2, p.mouse.y);
  p.frame();
  ASSERT_EQ(p.game.pairsList.Count(), 1);
  EXPECT_EQ(p.game.pairsList.First()->chip2, p.chip(2, 3));
}

TEST_F(MovesTest, SwapWhoseChipIsBlownAwayMidwayEndsWithoutMoving) {
  Play p(Board(Quiet()));
  TChipPtr first = p.chip(2, 2), second = p.chip(2, 3);
  p.game.SwapTiles(p.at(2, 2), p.at(2, 3));
  p.frames(10);
  second->KILL();  // what the end of a blast does to a chip: its cell lets go of it
  p.frames(10);
  EXPECT_EQ(p.game.pairsList.Count(), 0);
  EXPECT_EQ(first->Tile(), p.at(2, 2));
  EXPECT_EQ(p.chip(2, 2), first);
  EXPECT_TRUE(first->isFree());
  EXPECT_NE(p.chip(2, 3), second);
}

TEST_F(MovesTest, FallingStopsAtHolesAndLocksAndCreatorsRefill) {
  // Column 0 has a hole at row 1; column 1 a chained chip at row 1; column 2 a chest at row 1.
  Play p(Board(
      {"1, 2, 3", "0, 4, 5", "2, 0, 0", "3, 0, 0"}, {"1, 1, 1", "0, 1, 1", "1, 1, 1", "1, 1, 1"},
      {"0, 0, 0", "0, 1, 0", "0, 0, 0", "0, 0, 0"}, {"0, 0, 0", "0, 0, 1", "0, 0, 0", "0, 0, 0"}));
  p.frames(30);
  EXPECT_EQ(p.id(0, 0), 1);  // above the hole, stays
  EXPECT_EQ(p.id(1, 1), 4);  // chained: does not fall, holds the column above
  EXPECT_EQ(p.id(0, 1), 2);
  EXPECT_EQ(p.id(1, 2), 5);  // under a chest: the same
  EXPECT_EQ(p.id(2, 1), 0);  // cells below a lock stay empty (no creator there)
  EXPECT_EQ(p.id(3, 2), 0);
  EXPECT_EQ(p.id(2, 0), 2);  // below the hole: its own part of the column
  EXPECT_EQ(p.game.isTileEmpty(-1, 0), 1);
  EXPECT_EQ(p.game.isTileEmpty(0, 3), 1);
  EXPECT_EQ(p.game.isTileEmpty(1, 0), 1);
  EXPECT_EQ(p.game.isTileEmpty(3, 2), 0);

  // A creator whose chip falls away is refilled in the same frame.
  Play q(Board({"1, 2", "0, 3"}));
  q.frame();
  EXPECT_EQ(q.at(1, 0)->chip ? 1 : 0, 1);
  EXPECT_EQ(q.at(1, 0)->chip->state, kChipFalling);
  ASSERT_TRUE(q.at(0, 0)->chip);
  EXPECT_EQ(q.at(0, 0)->chip->state, kChipCreating);
}

TEST_F(MovesTest, ClearedColumnFallsAndRefillsOneCellEverySixFrames) {
  Play p(Board({"1, 2, 3", "4, 5, 1", "2, 2, 2"}));
  // The bottom row is a line already: clear it as a resting chip's test would.
  p.game.CheckMatchSpec(p.at(2, 0));
  EXPECT_EQ(p.level->score, 45);
  p.frames(20);  // the destruction ends; the chips above start falling in the same frame
  ASSERT_TRUE(p.at(2, 0)->chip);
  EXPECT_EQ(p.at(2, 0)->chip->id, 4);
  EXPECT_EQ(p.at(2, 0)->chip->state, kChipFalling);
  EXPECT_EQ(p.at(1, 0)->chip->id, 1);
  EXPECT_EQ(p.at(0, 0)->chip->state, kChipCreating);
  p.frames(60);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) EXPECT_NE(p.id(r, c), 0) << r << "," << c;
  EXPECT_EQ(p.id(2, 0), 4);
  EXPECT_EQ(p.id(1, 0), 1);
}

TEST_F(MovesTest, CascadesScore) {
  // Clearing 1 1 1 in the middle row drops the 3 above it between two 3s: a second line.
  Play p(Board({"4, 5, 3, 2, 4", "3, 3, 1, 1, 1", "5, 4, 2, 3, 5"}));
  p.game.CheckMatchSpec(p.at(1, 2));
  EXPECT_EQ(p.level->score, 45);
  p.frames(20 + 6);
  EXPECT_GE(p.level->score, 90);
  EXPECT_EQ(p.at(1, 0)->chip->state, kChipDestroying);
}

// Board frame pieces: count which pieces are drawn for a few outlines.
std::map<std::string, int> FramePieces(TMainGame& g) {
  std::map<TImage*, std::string> names;
  const char* straight[4] = {"left", "up", "right", "down"};
  const char* corner[4] = {"lu", "ru", "rd", "ld"};
  for (int i = 0; i < 4; ++i) {
    g.frameImg[i] = board_test::TestImage(48, 48);
    g.frameOuter[i] = board_test::TestImage(19, 19);
    g.frameInner[i] = board_test::TestImage(19, 19);
    names[g.frameImg[i]] = straight[i];
    names[g.frameOuter[i]] = std::string("outer-") + corner[i];
    names[g.frameInner[i]] = std::string("inner-") + corner[i];
  }
  g.frameA = 1;
  ClearRecordedDraws();
  g._drawFrame();
  std::map<std::string, int> out;
  for (auto& d : RecordedDraws()) {
    std::string n = names[const_cast<TImage*>(d.image)];
    // A half is named by the end of the side it keeps.
    if (d.kind == RecordedDraw::ImageRect) {
      if (d.sh == 24) n += d.sy == 0 ? "-upper" : "-lower";
      if (d.sw == 24) n += d.sx == 0 ? "-left" : "-right";
    }
    ++out[n];
  }
  return out;
}

TEST_F(MovesTest, BoardFramePieces) {
  struct Case {
    const char* name;
    std::vector<std::string> tiles;
    std::map<std::string, int> want;
  };
  const std::vector<Case> cases = {
      {"rectangle 2 x 3",
       {"1, 1, 1", "1, 1, 1"},
       {{"left", 2},
        {"right", 2},
        {"up", 3},
        {"down", 3},
        {"outer-lu", 1},
        {"outer-ru", 1},
        {"outer-rd", 1},
        {"outer-ld", 1}}},
      {"single cell",
       {"1"},
       {{"left", 1},
        {"right", 1},
        {"up", 1},
        {"down", 1},
        {"outer-lu", 1},
        {"outer-ru", 1},
        {"outer-rd", 1},
        {"outer-ld", 1}}},
      {"inner hole",
       {"1, 1, 1", "1, 0, 1", "1, 1, 1"},
       {{"left", 3},
        {"right", 3},
        {"up", 3},
        {"down", 3},
        {"outer-lu", 1},
        {"outer-ru", 1},
        {"outer-rd", 1},
        {"outer-ld", 1},
        {"inner-lu", 1},
        {"inner-ru", 1},
        {"inner-rd", 1},
        {"inner-ld", 1}}},
      {"L shape",
       {"1, 0", "1, 1"},
       {{"left", 2},
        {"down", 2},
        {"up-right", 1},
        {"right-upper", 1},
        {"up", 1},
        {"right", 1},
        {"outer-lu", 1},
        {"outer-ld", 1},
        {"outer-rd", 1},
        {"outer-ru", 2},
        {"inner-ld", 1}}},
      // Both holes become concave corners; each side next to them keeps the half away from
      // the point where the cells touch.
      {"cells touching at a corner",
       {"1, 0", "0, 1"},
       {{"left", 1},
        {"up", 1},
        {"right", 1},
        {"down", 1},
        {"right-upper", 1},
        {"down-left", 1},
        {"left-lower", 1},
        {"up-right", 1},
        {"outer-lu", 1},
        {"outer-ru", 2},
        {"outer-ld", 2},
        {"outer-rd", 1},
        {"inner-ld", 1},
        {"inner-ru", 1}}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    std::vector<std::string> chips(k.tiles.size(), k.tiles[0]);
    for (auto& row : chips)
      for (auto& ch : row)
        if (ch == '1') ch = '0';
    Play p(Board(chips, k.tiles));
    EXPECT_EQ(FramePieces(p.game), k.want);
  }
}

}  // namespace
