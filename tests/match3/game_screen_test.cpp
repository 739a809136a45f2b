// The game screen's states, clock, panel strings, background choice, tutorials, win and score on
// the virtual clock.
#include <gtest/gtest.h>

#include <climits>

#include "game_screen_fixture.h"
#include "sound_recorder.h"

using game_test::GameScreenTest;

namespace {

TEST(GameScreenStrings, ClockText) {
  struct Case {
    int g, m, s;
    const char* text;
  } cases[] = {{0, 0, 5, "0:05"},        {0, 0, 59, "0:59"},      {0, 1, 0, "1:00"},
               {0, 12, 30, "12:30"},     {1, 0, 0, "01:00:00"},   {1, 2, 3, "01:02:03"},
               {12, 34, 56, "12:34:56"}, {100, 0, 1, "100:00:01"}};
  for (auto& c : cases) EXPECT_EQ(TimeString(c.g, c.m, c.s), c.text) << c.text;
}

TEST(GameScreenStrings, CashTextHasElevenDigits) {
  EXPECT_EQ(CashString(0), "00000000000");
  EXPECT_EQ(CashString(1234), "00000001234");
  EXPECT_EQ(CashString(INT_MAX), "02147483647");
}

TEST(GameScreenStrings, BackgroundByLevel) {
  struct Case {
    int level, index;
  } cases[] = {{0, 0},  {1, 0},  {9, 0},  {10, 1},  {23, 1},  {24, 2}, {33, 2}, {34, 3},
               {49, 3}, {50, 4}, {59, 4}, {60, 5},  {70, 6},  {80, 7}, {89, 7}, {90, 8},
               {95, 8}, {96, 9}, {99, 9}, {100, 0}, {101, 0}, {-1, 0}};
  for (auto& c : cases) EXPECT_EQ(BackgroundIndexForLevel(c.level), c.index) << c.level;
}

TEST_F(GameScreenTest, ClockTicksOncePerSecondOfPlay) {
  Load(game_test::Board({"1, 2, 3", "2, 3, 1", "3, 1, 2"}));
  game.level->secondTime = MillisecondClock() + 1000;
  // Nothing until the second is over, then one tick per second.
  AdvanceVirtualClock(1000);
  game._updateTime();
  EXPECT_EQ(game.CountTimeString(), "0:00");
  for (int i = 0; i < 59; ++i) {
    AdvanceVirtualClock(1001);
    game._updateTime();
  }
  EXPECT_EQ(game.CountTimeString(), "0:59");
  AdvanceVirtualClock(1001);
  game._updateTime();
  EXPECT_EQ(game.CountTimeString(), "1:00");
  game.level->m = 59;
  game.level->s = 59;
  AdvanceVirtualClock(1001);
  game._updateTime();
  EXPECT_EQ(game.CountTimeString(), "01:00:00");
}

TEST_F(GameScreenTest, ScoreFeedsTheCashAndSaturates) {
  Load(game_test::Board({"1, 2, 3", "2, 3, 1", "3, 1, 2"}));
  profile.cash = 100;
  game.AddScore(45);
  EXPECT_EQ(game.level->score, 45);
  EXPECT_EQ(profile.cash, 145);
  profile.cash = INT_MAX - 10;
  game.AddScore(45);
  EXPECT_EQ(profile.cash, INT_MAX);
  EXPECT_EQ(game.CountProfileCashString(), "02147483647");
}

TEST_F(GameScreenTest, OpeningCaptionUnlessATutorialIsDue) {
  Load(game_test::Board({"1, 2, 3", "2, 3, 1", "3, 1, 2"}));
  game.PowerUpOn = {5, 12, 20, 30};
  struct Case {
    int level, noTutorial;
    bool caption;
  } cases[] = {{1, 0, false},  {2, 0, false}, {3, 0, false},  {4, 0, true},
               {5, 0, false},  {11, 0, true}, {12, 0, false}, {20, 0, false},
               {30, 0, false}, {31, 0, true}, {1, 1, true},   {20, 1, true}};
  for (auto& c : cases) {
    profile.questLevelId = c.level;
    NoTutorial = c.noTutorial;
    game._prepareBegin();
    EXPECT_EQ(game.actCaption != nullptr, c.caption) << c.level << " " << c.noTutorial;
    if (game.actCaption) {
      EXPECT_EQ(game.actCaption->typ, 0);
    }
  }
  NoTutorial = 0;
}

TEST_F(GameScreenTest, OpeningBuildsTheBoardCellByCellThenPlayStartsWithTutorials) {
  Load(game_test::Board({"1, 2, 3", "2, 3, 1", "3, 1, 2"}));
  game.PowerUpOn = {5, 12, 20, 30};
  profile.questLevelId = 11;
  game._prepareSelf();
  game._prepareBegin();
  EXPECT_EQ(game.state, 1);
  ASSERT_EQ(FantomList.Count(), 9);
  int expected = MillisecondClock();
  FantomList.ForEach([&](const std::shared_ptr<TFantom>& f) {
    EXPECT_EQ(f->time, expected);
    expected += 10;
  });
  int frames = 0;
  while (game.state == 1 && frames < 200) {
    Tick();
    game._update_STATE_Begin();
    UpdateFantoms();
    ++frames;
  }
  EXPECT_EQ(game.state, 0);
  EXPECT_GE(frames, 20 + 800 / 17);  // the counters start 800 ms in and rise over 20 frames
  EXPECT_EQ(game.perCounter, 1);
  EXPECT_EQ(game.dFrameA, 1);
  EXPECT_EQ(game.tutorials, std::vector<int>{9});
  EXPECT_EQ(game.level->secondTime, MillisecondClock() + 1000);

  game.tutorials.clear();
  profile.questLevelId = 12;
  game._prepareBegin();
  while (game.state == 1 && frames < 400) {
    Tick();
    game._update_STATE_Begin();
    UpdateFantoms();
    ++frames;
  }
  EXPECT_EQ(game.tutorials, std::vector<int>{5});
}

TEST_F(GameScreenTest, LevelWithoutGoalsIsWonAtTheFirstQuietFrame) {
  // No cell to clear, no kind to collect, and no line anywhere: the first frame of play wins.
  Load(game_test::Board({"1, 2, 1", "3, 4, 3", "1, 2, 1"}));
  game.state = 0;
  game.ResetHint();
  game._update_STATE_Normal();
  EXPECT_EQ(game.tilesFree, 1);
  EXPECT_EQ(game.gemsFree, 1);
  EXPECT_EQ(game.state, 2);
  EXPECT_NE(game.actCaption, nullptr);
  EXPECT_EQ(game.actCaption->typ, 1);
  EXPECT_EQ(game.dFrameA, 0);
}

TEST_F(GameScreenTest, CellsToClearOrGoalsKeepTheLevelGoing) {
  auto t = game_test::Board({"1, 2, 1", "3, 4, 3", "1, 2, 1"}, {"1, 1, 1", "1, 2, 1", "1, 1, 1"});
  Load(t);
  game.state = 0;
  game._update_STATE_Normal();
  EXPECT_EQ(game.tilesCount, 1);
  EXPECT_EQ(game.state, 0);

  t.tiles = {"1, 1, 1", "1, 1, 1", "1, 1, 1"};
  t.data.push_back("toCollect = \"0 2\"");
  Load(t);
  game._update_STATE_Normal();
  EXPECT_EQ(game.gemsFree, 0);
  EXPECT_EQ(game.state, 0);
}

TEST_F(GameScreenTest, VictoryDissolvesTheBoardDiagonallyAndDropsTheHint) {
  board_test::SoundScope sound;
  Load(game_test::Board({"1, 2, 1", "3, 4, 3", "1, 2, 1"}));
  game.hint = std::make_shared<THint>();
  game.state = 0;
  int now = MillisecondClock();
  game.Win();
  EXPECT_EQ(game.state, 2);
  EXPECT_EQ(game.hint, nullptr);
  EXPECT_EQ(game.hintTime, now + 6000);
  EXPECT_EQ(sound.snd.music, std::vector<std::string>{"win"});
  EXPECT_EQ(game.dFrameA, 0);
  ASSERT_NE(game.actCaption, nullptr);
  EXPECT_EQ(game.actCaption->n, 1);
  ASSERT_EQ(FantomList.Count(), 9);
  FantomList.ForEach([&](const std::shared_ptr<TFantom>& f) {
    EXPECT_EQ(f->typ, 1);
    EXPECT_EQ(f->time, now + (f->tile.lock()->r + f->tile.lock()->c) * 50);
  });
}

TEST_F(GameScreenTest, VictoryEndsWithThePuzzleAfterLevel100AndTheNextLevelOtherwise) {
  Load(game_test::Board({"1, 2, 1", "3, 4, 3", "1, 2, 1"}));
  for (int level : {1, 99, 100}) {
    profile.questLevelId = level;
    game.state = 2;
    game.fade = game.dFade = 0;
    FantomList.Clear();
    game._update_STATE_Win();
    EXPECT_EQ(game.wynik, level == 100 ? 6 : 102) << level;
    EXPECT_EQ(game.fade, 1);
    EXPECT_EQ(game.dFade, 1);
  }
  // While the cells are still vanishing the victory state waits.
  game.wynik = 0;
  game.fade = game.dFade = 0;
  NewFantomOut(At(0, 0), 0);
  game._update_STATE_Win();
  EXPECT_EQ(game.wynik, 0);
}

TEST_F(GameScreenTest, NotEnoughCashCaptionAtTheButton) {
  game.ShowInfo_NotEnoughCash(163.9f);
  ASSERT_EQ(CaptionList.Count(), 1);
  auto c = CaptionList.First();
  EXPECT_EQ(c->n, 2);
  EXPECT_EQ(c->x, 163);
  EXPECT_EQ(c->y, 660);
  EXPECT_EQ(c->typ, 2);
}

TEST_F(GameScreenTest, PrepareStartsEachLevelWithNothingPickedOrHinted) {
  Load(game_test::Board({"1, 2, 1", "3, 4, 3", "1, 2, 1"}));
  game.picked = At(0, 0);
  game.holded = 1;
  game.hint = std::make_shared<THint>();
  game.tempHint = std::make_shared<THint>();
  game.gameMode = 2;
  game._prepareSelf();
  EXPECT_EQ(game.picked, nullptr);
  EXPECT_EQ(game.holded, 0);
  EXPECT_EQ(game.hint, nullptr);
  EXPECT_EQ(game.tempHint, nullptr);
  EXPECT_EQ(game.gameMode, 0);
  EXPECT_EQ(game.fade, 1);
  EXPECT_EQ(game.dFade, 0);
}

}  // namespace
