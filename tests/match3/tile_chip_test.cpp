// Cells and chips on the virtual clock: holes, falling rules, chains, chests, blasts, destruction
// timing, power-up chips, cross-fades, goal flights, and the frame counts at 60 frames a second.
#include <gtest/gtest.h>

#include "board_fixture.h"
#include "match3/flying_chest.h"
#include "match3/flying_chip.h"

using board_test::Board;
using board_test::LevelText;
using board_test::LoadFromText;
using testing_support::ScratchDir;

namespace {

class TileChipTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(media.ok());
    board_test::MakeKinds();
    board_test::MakeParticleImages();
    board_test::ClearEffects();
    TileImages[0] = board_test::TestImage();
    TileImages[1] = board_test::TestImage();
    SeedRandom(11);
    FrameDelta = 1;
  }
  void TearDown() override {
    board_test::FreeTestImages();
    board_test::ClearEffects();
    ChipKinds.Clear();
    for (auto& slot : ParticleImages) slot = nullptr;
    TileImages[0] = TileImages[1] = nullptr;
  }
  TLevelPtr Load(const LevelText& t) { return LoadFromText(dir, t.str()); }

  testing_support::MediaScope media;
  ScratchDir dir;
};

// A 4 x 4 board of distinct kinds in a pattern with no lines, so nothing matches by accident.
LevelText Quiet4x4() {
  LevelText t;
  t.data = {"size = 4, 4", "availableChips = \"1 2 3 4 5\""};
  t.tiles = {"1, 1, 1, 1", "1, 1, 1, 1", "1, 1, 1, 1", "1, 1, 1, 1"};
  t.chips = {"1, 2, 3, 4", "3, 4, 1, 2", "1, 2, 3, 4", "3, 4, 1, 2"};
  return t;
}

// Frames until the chip leaves the board (its cell no longer holds it).
int FramesUntilGone(Board& b, int r, int c) {
  TChipPtr chip = b.chip(r, c);
  int n = 0;
  while (b.at(r, c)->chip == chip && n < 500) {
    b.frame();
    ++n;
  }
  return n;
}

TEST_F(TileChipTest, HoleNeverDrawsUpdatesOrIsFree) {
  LevelText t = Quiet4x4();
  t.tiles[1] = "1, 0, 1, 1";
  t.chips[1] = "3, 0, 1, 2";
  Board b(Load(t));
  TTilePtr hole = b.at(1, 1);
  hole->blaskTime = 1;
  hole->bombTime = 1;
  AdvanceVirtualClock(50);
  Mouse = nullptr;
  EXPECT_EQ(hole->update(), 0);
  EXPECT_EQ(hole->blaskTime, 1);  // untouched: a hole runs nothing
  EXPECT_EQ(hole->bombTime, 1);
  EXPECT_EQ(hole->isFree(), 0);
  ClearRecordedDraws();
  hole->draw();
  hole->_drawBorder();
  EXPECT_TRUE(RecordedDraws().empty());
  b.at(1, 0)->draw();
  EXPECT_FALSE(RecordedDraws().empty());
  // The chip above the hole cannot fall into it.
  b.at(0, 1)->chip->state = kChipRest;
  EXPECT_EQ(b.at(0, 1)->CheckFall(), 0);
}

TEST_F(TileChipTest, WhichChipsMayFall) {
  LevelText t = Quiet4x4();
  t.chips = {"1, 2, 3, 4", "0, 0, 0, 0", "1, 2, 3, 4", "3, 4, 1, 0"};
  t.chains = {"0, 1, 0, 0", "0, 0, 0, 0", "0, 0, 0, 0", "0, 0, 0, 0"};
  t.chests = {"0, 0, 1, 0", "0, 0, 0, 0", "0, 0, 0, 0", "0, 0, 0, 0"};
  Board b(Load(t));
  EXPECT_EQ(b.at(0, 0)->CheckFall(), 1);  // free cell below
  EXPECT_EQ(b.at(0, 1)->CheckFall(), 0);  // chained
  EXPECT_EQ(b.at(0, 2)->CheckFall(), 0);  // under a chest
  EXPECT_EQ(b.at(2, 3)->CheckFall(), 1);
  EXPECT_EQ(b.at(3, 0)->CheckFall(), 0);  // bottom row
  EXPECT_EQ(b.at(2, 0)->CheckFall(), 0);  // cell below is taken
  EXPECT_EQ(b.at(1, 0)->CheckFall(), 0);  // no chip
  b.chip(0, 0)->state = kChipCreating;
  EXPECT_EQ(b.at(0, 0)->CheckFall(), 0);  // a chip being created cannot fall yet
}

TEST_F(TileChipTest, TwoLinkChainNeedsTwoHitsBeforeTheChipGoes) {
  LevelText t = Quiet4x4();
  t.chains = {"0, 0, 0, 0", "0, 2, 0, 0", "0, 0, 0, 0", "0, 0, 0, 0"};
  Board b(Load(t));
  TChipPtr chip = b.chip(1, 1);
  EXPECT_EQ(chip->CanMove(), 0);

  chip->Destroy(0, kDestroyMatch);
  b.frame();
  EXPECT_EQ(b.at(1, 1)->chain, 1);
  EXPECT_EQ(chip->state, kChipRest);
  EXPECT_EQ(chip->scale, 1.0f);
  EXPECT_EQ(ParticleList.Count(), 10);  // two diagonals of five pieces

  chip->Destroy(0, kDestroyMatch);
  b.frame();
  EXPECT_EQ(b.at(1, 1)->chain, 0);
  EXPECT_EQ(chip->state, kChipRest);
  EXPECT_EQ(ParticleList.Count(), 15);  // the last link: five more
  EXPECT_EQ(chip->CanMove(), 1);

  chip->Destroy(0, kDestroyMatch);
  EXPECT_EQ(FramesUntilGone(b, 1, 1), 20);
}

TEST_F(TileChipTest, ChestsOpenThroughEdgeNeighboursOnly) {
  LevelText t = Quiet4x4();
  t.chests = {"1, 1, 0, 0", "1, 1, 1, 0", "1, 1, 0, 0", "0, 0, 0, 0"};
  Board b(Load(t));
  b.at(1, 1)->MatchTile();
  EXPECT_EQ(b.at(1, 1)->chest, 0);  // its own
  EXPECT_EQ(b.at(0, 1)->chest, 0);  // up
  EXPECT_EQ(b.at(2, 1)->chest, 0);  // down
  EXPECT_EQ(b.at(1, 0)->chest, 0);  // left
  EXPECT_EQ(b.at(1, 2)->chest, 0);  // right
  EXPECT_EQ(b.at(0, 0)->chest, 1);  // diagonals stay
  EXPECT_EQ(b.at(2, 0)->chest, 1);
  EXPECT_EQ(FlyingChestList.Count(), 5);

  // A corner cell touches only what lies inside the grid.
  LevelText e = Quiet4x4();
  e.chests = {"1, 1, 0, 0", "1, 0, 0, 0", "0, 0, 0, 0", "0, 0, 0, 0"};
  board_test::ClearEffects();
  Board corner(Load(e));
  corner.at(0, 0)->MatchTile();
  EXPECT_EQ(FlyingChestList.Count(), 3);
}

TEST_F(TileChipTest, OpeningAChestChecksTheLineItCompletes) {
  LevelText t = Quiet4x4();
  // Row 0 holds 1 1 1 with the middle one under a chest: no line until the chest opens.
  t.chips = {"1, 1, 1, 4", "3, 4, 5, 2", "1, 2, 3, 4", "3, 4, 1, 2"};
  t.chests = {"0, 1, 0, 0", "0, 0, 0, 0", "0, 0, 0, 0", "0, 0, 0, 0"};
  Board b(Load(t));
  EXPECT_TRUE(b.game.CheckMatch(b.at(0, 0)).empty());
  b.at(1, 1)->MatchTile();  // a match below opens the chest above
  EXPECT_EQ(b.at(0, 1)->chest, 0);
  EXPECT_EQ(b.chip(0, 0)->state, kChipDestroying);
  EXPECT_EQ(b.chip(0, 2)->state, kChipDestroying);
  EXPECT_EQ(b.level->score, 45);
}

TEST_F(TileChipTest, SmallBlastHitsThePlusShape) {
  LevelText t = Quiet4x4();
  t.tiles[2] = "1, 1, 0, 1";
  t.chips[2] = "1, 2, 0, 4";
  t.chains = {"0, 0, 0, 0", "0, 0, 0, 0", "0, 1, 0, 0", "0, 0, 0, 0"};
  Board b(Load(t));
  b.at(1, 1)->BombMeSmall();
  // (0,1), (1,0), (1,1), (1,2) and (2,1) start at once; (2,1) is chained.
  for (auto [r, c] : {std::pair{0, 1}, {1, 0}, {1, 1}, {1, 2}, {2, 1}}) {
    EXPECT_EQ(b.chip(r, c)->state, kChipDestroying) << r << "," << c;
    EXPECT_EQ(b.chip(r, c)->destroyType, kDestroySmallBlast);
  }
  EXPECT_EQ(b.chip(0, 0)->state, kChipRest);
  EXPECT_EQ(b.chip(2, 0)->state, kChipRest);
  b.frames(25);
  EXPECT_EQ(b.chip(1, 1), nullptr);
  ASSERT_NE(b.chip(2, 1), nullptr);  // the chain took the hit
  EXPECT_EQ(b.at(2, 1)->chain, 0);

  // Next to a hole the blast simply touches fewer cells.
  b.at(2, 3)->BombMeSmall();
  EXPECT_EQ(b.chip(2, 3)->state, kChipDestroying);
}

TEST_F(TileChipTest, DestructionWaitsForItsDelayThenTakesTwentyFrames) {
  Board b(Load(Quiet4x4()));
  TChipPtr chip = b.chip(3, 3);
  chip->Destroy(100, kDestroyMatch);
  int frames = 0;
  while (chip->byloDestroy == 0 && frames < 100) {
    EXPECT_EQ(chip->scale, 1.0f);
    EXPECT_EQ(chip->destrPer, 0.0f);
    b.frame();
    ++frames;
  }
  EXPECT_EQ(frames, 6);  // 100 ms is 6 frames of 16-17 ms
  // The frame that began it already shrank it; 19 more end it: 20 frames of destruction.
  int more = FramesUntilGone(b, 3, 3);
  EXPECT_EQ(more, 19);
  EXPECT_GT(ParticleList.Count(), 0);
}

TEST_F(TileChipTest, DestroyAgainRestartsWithoutAskingTheCellTwice) {
  LevelText t = Quiet4x4();
  t.tiles[0] = "2, 1, 1, 1";
  Board b(Load(t));
  TChipPtr chip = b.chip(0, 0);
  chip->Destroy(0, kDestroyMatch);
  b.frames(5);
  EXPECT_EQ(b.at(0, 0)->id, 1);
  EXPECT_GT(chip->destrPer, 0.2f);
  b.at(0, 0)->id = 2;  // would be cleared again if the cell were asked again
  chip->Destroy(0, kDestroyMatch);
  EXPECT_EQ(chip->destrPer, 0.0f);
  EXPECT_EQ(FramesUntilGone(b, 0, 0), 20);
  EXPECT_EQ(b.at(0, 0)->id, 2);
}

TEST_F(TileChipTest, SecondLayerStaysOnceUnderABombingSpecHit) {
  LevelText t = Quiet4x4();
  t.tiles[0] = "2, 1, 1, 1";
  Board b(Load(t));
  TTilePtr cell = b.at(0, 0);
  cell->bombingSpec = 1;
  EXPECT_EQ(cell->MatchTile(), 0);
  EXPECT_EQ(cell->id, 2);
  EXPECT_EQ(cell->bombingSpec, 0);
  EXPECT_EQ(cell->MatchTile(), 0);
  EXPECT_EQ(cell->id, 1);
  EXPECT_EQ(cell->TileDestroying, 1);
  // The removal animation runs 20 frames of drawing.
  int frames = 0;
  while (cell->TileDestroying == 1 && frames < 100) {
    cell->draw();
    ++frames;
  }
  EXPECT_EQ(frames, 20);
}

TEST_F(TileChipTest, PendingHitsFireAfterTheClockPassesTheirTime) {
  struct Case {
    void (*schedule)(TTile&);
    int type;
  };
  const Case cases[] = {{[](TTile& t) { t.BombMe(0, 0); }, kDestroyBomb},
                        {[](TTile& t) { t.LightMe(0, 0); }, kDestroyLightning},
                        {[](TTile& t) { t.LineMe(0); }, kDestroyLine}};
  for (const Case& k : cases) {
    Board b(Load(Quiet4x4()));
    TTilePtr cell = b.at(2, 2);
    k.schedule(*cell);
    cell->update();  // same clock reading: strictly later is required
    EXPECT_EQ(cell->chip->state, kChipRest);
    AdvanceVirtualClock(1);
    cell->update();
    EXPECT_EQ(cell->chip->state, kChipDestroying);
    EXPECT_EQ(cell->chip->destroyType, k.type);
    EXPECT_EQ(cell->bombTime + cell->lightTime + cell->lineTime, 0);
  }
  // A hit on an empty cell is dropped.
  Board b(Load(Quiet4x4()));
  b.at(0, 0)->chip = nullptr;
  b.at(0, 0)->BombMe(0, 0);
  AdvanceVirtualClock(1);
  b.at(0, 0)->update();
  EXPECT_EQ(b.at(0, 0)->bombTime, 0);
}

TEST_F(TileChipTest, PowerUpChipsFireWhenTheirDestructionEnds) {
  for (int kind : {kBombChipId, kLightningChipId}) {
    SCOPED_TRACE(kind);
    LevelText t = Quiet4x4();
    t.chips[1] = "3, " + std::to_string(kind) + ", 1, 2";
    Board b(Load(t));
    TChipPtr chip = b.chip(1, 1);
    chip->Destroy(0, kDestroyMatch);
    auto pending = [&] {
      int n = 0;
      for (auto& row : b.level->tile)
        for (auto& tl : row) n += tl->bombTime != 0 || tl->lightTime != 0;
      return n;
    };
    int frames = 0;
    while (b.at(1, 1)->chip == chip && frames < 100) {
      EXPECT_EQ(pending(), 0) << "fired early at frame " << frames;
      b.frame();
      ++frames;
    }
    EXPECT_EQ(frames, 20);
    EXPECT_GT(pending(), 0);
  }
}

TEST_F(TileChipTest, PowerUpChipsPulseAndSparkle) {
  LevelText t = Quiet4x4();
  t.chips[1] = "3, 101, 102, 2";
  Board b(Load(t));
  TChipPtr bomb = b.chip(1, 1), light = b.chip(1, 2);
  bomb->CountPosition();
  light->CountPosition();
  b.frame();
  EXPECT_EQ(ParticleList.Count(), 6);  // 4 bomb sparkles and 2 lightning sparkles
  b.frame();                           // less than 50 ms later: no new sparkles
  EXPECT_EQ(ParticleList.Count(), 6);
  int up = 2;
  while (bomb->pwrP < 1 && up < 100) {
    b.frame();
    ++up;
  }
  EXPECT_EQ(up, 21);  // the first update only turns the pulse upward; then 20 frames up
  EXPECT_EQ(bomb->dPwrP, 0.0f);
}

TEST_F(TileChipTest, FrameCountsAtSixtyFramesPerSecond) {
  Board b(Load(Quiet4x4()));
  TChipPtr chip = b.chip(0, 0);

  // A fall of one cell: 6 frames, then the landing hop of about 12.
  chip->Fall();
  int fall = 0;
  while (chip->state == kChipFalling && fall < 100) {
    chip->update();
    ++fall;
  }
  EXPECT_EQ(fall, 6);
  EXPECT_EQ(chip->state, kChipLanding);
  float highest = 0;
  int hop = 0;
  while (chip->state == kChipLanding && hop < 100) {
    chip->update();
    highest = std::min(highest, chip->vy);
    ++hop;
  }
  EXPECT_NEAR(hop, 12, 1);
  EXPECT_NEAR(highest, -8.5f, 1.0f);
  EXPECT_EQ(chip->vy, 0.0f);

  // Creation: the chip slides in from above in 6 frames while it fades in.
  chip->CreateMe();
  EXPECT_EQ(chip->alpha, 0.0f);
  chip->update();
  EXPECT_NEAR(chip->alpha, 8.0f / 48.0f, 1e-5);
  int create = 1;
  while (chip->state == kChipCreating && create < 100) {
    chip->update();
    ++create;
  }
  EXPECT_EQ(create, 6);
  EXPECT_EQ(chip->alpha, 1.0f);

  // Cross-fade: 20 draws, then the chip is the new kind.
  chip->state = kChipRest;
  chip->ChangeTo(GetChipKind(kBombChipId));
  int fade = 0;
  while (chip->changeChipTo && fade < 100) {
    chip->draw();
    ++fade;
  }
  EXPECT_EQ(fade, 20);
  EXPECT_EQ(chip->id, kBombChipId);
  EXPECT_EQ(chip->img, GetChipKind(kBombChipId)->img);
}

TEST_F(TileChipTest, CrossFadeIsRefusedWhileBusy) {
  Board b(Load(Quiet4x4()));
  TChipPtr chip = b.chip(0, 0);
  chip->ChangeTo(nullptr);  // a missing power-up kind changes nothing
  EXPECT_EQ(chip->changeChipTo, nullptr);
  chip->ChangeTo(GetChipKind(2));
  chip->ChangeTo(GetChipKind(3));
  EXPECT_EQ(chip->changeChipTo, GetChipKind(2));
  TChipPtr other = b.chip(0, 1);
  other->Destroy(0, kDestroyMatch);
  other->ChangeTo(GetChipKind(3));
  EXPECT_EQ(other->changeChipTo, nullptr);
}

TEST_F(TileChipTest, ArrivalTestsForLinesThenLands) {
  LevelText t = Quiet4x4();
  t.chips = {"1, 2, 3, 4", "3, 4, 1, 2", "1, 2, 3, 4", "2, 2, 1, 2"};
  Board b(Load(t));
  // (3,2) arrives from above as a 2: the bottom row then reads 2 2 2 2.
  TChipPtr arriving = b.chip(3, 2);
  arriving->ChangeMe(GetChipKind(2));
  arriving->Fall();
  b.frames(6);
  EXPECT_EQ(arriving->state, kChipDestroying);
  EXPECT_EQ(b.chip(3, 0)->state, kChipDestroying);
  EXPECT_EQ(b.level->score, 120);
  // With no line it lands with the hop instead.
  TChipPtr other = b.chip(0, 0);
  other->Fall();
  b.frames(6);
  EXPECT_EQ(other->state, kChipLanding);
}

TEST_F(TileChipTest, GoalChipCountsWhenItsFlightArrives) {
  LevelText t = Quiet4x4();
  t.data = {"size = 4, 4", "availableChips = \"1 2 3 4 5\"", "toCollect = \"0 0 2\""};
  Board b(Load(t));
  TChipPtr chip = b.chip(0, 2);  // kind 3, a goal
  chip->CountPosition();
  chip->Destroy(0, kDestroyMatch);
  b.frame();
  ASSERT_EQ(FlyingChipList.Count(), 1);
  auto flight = FlyingChipList.First();
  EXPECT_EQ(flight->x2, 506.0f);  // the third of five slots: 531 - 125 + 2 * 50
  EXPECT_EQ(flight->y2, 40.0f);
  EXPECT_EQ(flight->mx, chip->drawX < 512 ? flight->x2 - 200 : flight->x2 + 200);
  EXPECT_EQ(flight->my, 190.0f);
  EXPECT_EQ(b.level->availableChips[2]->Collect, 2);  // not yet
  flight = nullptr;
  // The level may be dropped by everyone else meanwhile: the flight keeps it alive.
  std::weak_ptr<TLevel> weak = b.level;
  TLevelPtr keep = b.level;
  b.game.level = nullptr;
  b.level = nullptr;
  keep = nullptr;
  ASSERT_FALSE(weak.expired());
  for (int i = 0; i < 200 && FlyingChipList.Count() > 0; ++i) {
    AdvanceVirtualClock(17);
    UpdateFlyingChips();
  }
  EXPECT_EQ(FlyingChipList.Count(), 0);
  ASSERT_TRUE(weak.expired());  // released once the flight ended
  // A chip of a kind without a goal flies nowhere.
  EXPECT_EQ(NewChip(1)->CheckIfToCollect(), 0);
}

TEST_F(TileChipTest, GoalFlightCountsOnItsOwnLevel) {
  LevelText t = Quiet4x4();
  t.data = {"size = 4, 4", "availableChips = \"1 2 3 4 5\"", "toCollect = \"0 0 2\""};
  TLevelPtr first = Load(t);
  {
    Board b(first);
    b.chip(0, 2)->CountPosition();
    b.chip(0, 2)->CheckIfToCollect();
  }
  TLevelPtr second = Load(t);  // the next level replaces it
  for (int i = 0; i < 200 && FlyingChipList.Count() > 0; ++i) {
    AdvanceVirtualClock(17);
    UpdateFlyingChips();
  }
  EXPECT_EQ(first->availableChips[2]->Collect, 1);
  EXPECT_EQ(second->availableChips[2]->Collect, 2);
}

TEST_F(TileChipTest, KillEmptiesTheCellAndAFlyOutLeavesTheBoard) {
  Board b(Load(Quiet4x4()));
  TChipPtr chip = b.chip(2, 2);
  chip->CountPosition();
  chip->FlyOut();
  EXPECT_EQ(b.chip(2, 2), nullptr);
  ASSERT_EQ(FlyingChipList.Count(), 1);
  EXPECT_EQ(FlyingChipList.First()->endMe, 1);
  EXPECT_EQ(FlyingChipList.First()->y2, 800.0f);
  b.chip(1, 1)->KILL();
  EXPECT_EQ(b.chip(1, 1), nullptr);
}

TEST_F(TileChipTest, PickedChipRocksAndGlows) {
  Board b(Load(Quiet4x4()));
  b.game.picked = b.at(1, 1);
  b.game.pickPer = 1;
  ClearRecordedDraws();
  b.chip(1, 1)->draw();
  ASSERT_EQ(RecordedDraws().size(), 2u);
  EXPECT_NEAR(RecordedDraws()[0].rotation, 15.0f, 1e-4);
  EXPECT_EQ(RecordedDraws()[1].blend, kBlendLight);
  EXPECT_NEAR(RecordedDraws()[1].alpha, 0.25f, 1e-5);
  EXPECT_EQ(GetDrawRotation(), 0.0f);
  ClearRecordedDraws();
  b.chip(0, 0)->draw();
  ASSERT_EQ(RecordedDraws().size(), 1u);
  EXPECT_EQ(RecordedDraws()[0].x, static_cast<float>(b.at(0, 0)->drawX));
}

TEST_F(TileChipTest, BombAndLightningScheduleTheirHits) {
  LevelText t;
  t.data = {"size = 7, 7", "availableChips = \"1 2 3 4 5\""};
  for (int r = 0; r < 7; ++r) {
    t.tiles.push_back("1, 1, 1, 1, 1, 1, 1");
    t.chips.push_back("1, 2, 3, 4, 5, 1, 2");
  }
  Board b(Load(t));
  int now = MillisecondClock();
  b.game.Bomb(b.at(3, 3));
  EXPECT_EQ(b.at(3, 3)->bombTime, now);
  EXPECT_EQ(b.at(2, 3)->bombTime, now + 160);
  EXPECT_EQ(b.at(2, 2)->bombTime, now + 205);
  EXPECT_EQ(b.at(1, 3)->bombTime, now + 320);
  EXPECT_EQ(b.at(1, 2)->bombTime, now + 345);
  EXPECT_EQ(b.at(1, 1)->bombTime, 0);  // corners of the 5 x 5 square are spared
  EXPECT_EQ(b.at(0, 3)->bombTime, 0);
  EXPECT_EQ(b.chip(3, 3)->destroyType, kDestroyBomb);

  b.game.Lightning(b.at(0, 0));
  EXPECT_EQ(b.at(1, 0)->lightTime, now + 150);
  EXPECT_EQ(b.at(0, 3)->lightTime, now + 450);
  EXPECT_EQ(b.at(1, 1)->lightTime, 0);
}

}  // namespace
