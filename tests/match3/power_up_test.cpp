// Power-ups on the game screen: the data file, visibility by level, unlocking and buying with the
// profile's cash, the target modes, the small and big bombs and the chip blasts.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "game_screen_fixture.h"
#include "sound_recorder.h"

using game_test::GameScreenTest;

namespace {

TEST(PowerUpData, TableAndTexts) {
  testing_support::ScratchDir dir;
  testing_support::WriteFile(dir / "p.txt",
                             "powerUps {\n\tpowerUp_1_ShowUpAtLevel = 5\n"
                             "\tpowerUp_1_UnlockingCost = 5000.9\n\tpowerUp_1_UseCost = 1500\n"
                             "\tpowerUp_3_ShowUpAtLevel = 20\n}\n");
  TPowerUpTable t = ReadPowerUpTable(dir / "p.txt");
  EXPECT_EQ(t.showUpAtLevel, (std::array<int, 4>{5, 0, 20, 0}));
  EXPECT_EQ(t.unlockingCost, (std::array<int, 4>{5000, 0, 0, 0}));
  EXPECT_EQ(t.useCost, (std::array<int, 4>{1500, 0, 0, 0}));
  // A missing file reads as all zero: every power-up shown from the first level and free.
  TPowerUpTable none = ReadPowerUpTable(dir / "missing.txt");
  EXPECT_EQ(none.useCost, (std::array<int, 4>{0, 0, 0, 0}));

  EXPECT_EQ(ReplaceValue("Unlock for #VALUE#", 5000), "Unlock for 5000");
  EXPECT_EQ(ReplaceValue("#VALUE#/#VALUE#", 7), "7/7");
  EXPECT_EQ(ReplaceValue("free", 7), "free");
}

class PowerUpTest : public GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    game.PowerUpOn = {5, 12, 20, 30};
    PowerUpUnlockCost = {5000, 12000, 20000, 35000};
    PowerUpUseCost = {1500, 3000, 5000, 10000};
    static const int kX[4] = {100, 350, 560, 800};
    for (int i = 0; i < 4; ++i) {
      auto b = std::make_shared<TPowerUp>();
      b->n = i;
      b->img = CreateImageFromPixels(100, 100, std::vector<uint32_t>(10000, 0xFFFFFFFFu));
      b->x = kX[i];
      b->y = 668;
      game.powerUp[static_cast<size_t>(i)] = b;
    }
    profile.questLevelId = 30;
    game._preparePowerUps();
  }
  // A click on button i this frame.
  void ClickButton(int i) {
    auto& b = game.powerUp[static_cast<size_t>(i)];
    PressAt(static_cast<float>(b->x + 50), static_cast<float>(b->y + 50));
    game._updatePowerUp();
    Release();
  }
  // A 6 x 6 board without lines.
  TLevelPtr Board6() {
    return Load(game_test::Board({"1, 2, 3, 4, 5, 1", "3, 4, 5, 1, 2, 3", "5, 1, 2, 3, 4, 5",
                                  "2, 3, 4, 5, 1, 2", "4, 5, 1, 2, 3, 4", "1, 2, 3, 4, 5, 1"}));
  }
};

TEST_F(PowerUpTest, VisibleFromTheirLevels) {
  struct Case {
    int level;
    std::array<int, 4> visible;
  } cases[] = {{1, {0, 0, 0, 0}},  {4, {0, 0, 0, 0}},  {5, {1, 0, 0, 0}},  {12, {1, 1, 0, 0}},
               {19, {1, 1, 0, 0}}, {20, {1, 1, 1, 0}}, {30, {1, 1, 1, 1}}, {100, {1, 1, 1, 1}}};
  for (auto& c : cases) {
    profile.questLevelId = c.level;
    game._preparePowerUps();
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(game.powerUp[static_cast<size_t>(i)]->visible, c.visible[static_cast<size_t>(i)])
          << "level " << c.level << " button " << i;
  }
}

TEST_F(PowerUpTest, HiddenButtonCannotBeClicked) {
  profile.questLevelId = 4;
  game._preparePowerUps();
  profile.cash = 100000;
  ClickButton(0);
  EXPECT_EQ(profile.unlockedPowerUp[0], 0);
  EXPECT_EQ(profile.cash, 100000);
}

TEST_F(PowerUpTest, ExactUsePriceBuysTheUseAndLeavesNothing) {
  Board6();
  profile.unlockedPowerUp = {1, 1, 1, 1};
  profile.cash = 1500;
  ClickButton(0);
  EXPECT_EQ(game.gameMode, 1);
  EXPECT_EQ(profile.cash, 0);
  EXPECT_EQ(CaptionList.Count(), 0);
  // One short of the price: nothing is bought, the no-cash caption shows at the button.
  game.gameMode = 0;
  profile.cash = 2999;
  ClickButton(1);
  EXPECT_EQ(game.gameMode, 0);
  EXPECT_EQ(profile.cash, 2999);
  ASSERT_EQ(CaptionList.Count(), 1);
  EXPECT_EQ(CaptionList.First()->x, 400);
}

TEST_F(PowerUpTest, UnlockingCostsTheUnlockPriceOnlyThenASecondClickUsesIt) {
  Board6();
  profile.cash = 5000 + 1500;
  ClickButton(0);
  EXPECT_EQ(profile.unlockedPowerUp[0], 1);
  EXPECT_EQ(profile.cash, 1500);
  EXPECT_EQ(game.gameMode, 0);
  ClickButton(0);
  EXPECT_EQ(game.gameMode, 1);
  EXPECT_EQ(profile.cash, 0);
  // Not enough to unlock: still locked, nothing taken.
  profile.cash = 11999;
  ClickButton(1);
  EXPECT_EQ(profile.unlockedPowerUp[1], 0);
  EXPECT_EQ(profile.cash, 11999);
}

TEST_F(PowerUpTest, BuyingSoundsAndRefusals) {
  board_test::SoundScope sound;
  Board6();
  profile.cash = 5000;
  ClickButton(0);  // unlock
  ClickButton(0);  // no cash left for a use
  EXPECT_EQ(sound.snd.sounds,
            (std::vector<std::string>{"(click)", "unlockPowerUp", "(click)", "no"}));
  EXPECT_EQ(profile.cash, 0);
  EXPECT_EQ(game.gameMode, 0);
  ASSERT_EQ(CaptionList.Count(), 1);
  EXPECT_EQ(CaptionList.First()->n, 2);
  EXPECT_EQ(CaptionList.First()->x, 150);  // the middle of the first button
}

TEST_F(PowerUpTest, ModesAimAndFireByClicksOnTheBoard) {
  board_test::SoundScope sound;
  Board6();
  profile.unlockedPowerUp = {1, 1, 1, 1};
  profile.cash = 100000;
  ClickButton(0);
  ASSERT_EQ(game.gameMode, 1);
  // A press beside the board does nothing and the mode stays.
  PressAt(5, 400);
  game._updateTilesOver();
  Release();
  EXPECT_EQ(game.gameMode, 1);
  // Hovering a cell aims at its row; nothing is hit yet.
  TTilePtr target = At(3, 2);
  Mouse->x = static_cast<float>(target->drawX);
  Mouse->y = static_cast<float>(target->drawY);
  int particles = ParticleList.Count();
  game._updateTilesOver();
  EXPECT_EQ(game.over, target);
  EXPECT_EQ(game.gameMode, 1);
  EXPECT_EQ(ParticleList.Count(), particles + 6);  // one spark per cell of the row
  for (int c = 0; c < 6; ++c) EXPECT_EQ(At(3, c)->lineTime, 0);
  // The press fires the line from the cell outward and ends the mode.
  Tick();
  PressAt(static_cast<float>(target->drawX), static_cast<float>(target->drawY));
  int now = MillisecondClock();
  game._updateTilesOver();
  Release();
  EXPECT_EQ(game.gameMode, 0);
  for (int c = 0; c < 6; ++c) EXPECT_EQ(At(3, c)->lineTime, now + 50 * std::abs(c - 2)) << c;
  EXPECT_EQ(At(2, 2)->lineTime, 0);
  EXPECT_EQ(game.picked, nullptr) << "the aiming press does not pick";
  EXPECT_EQ(sound.snd.count("powerUpUse"), 1);

  // The kind remover: the press on a plain chip removes its kind.
  ClickButton(1);
  ASSERT_EQ(game.gameMode, 2);
  TTilePtr kindCell = At(0, 0);  // kind 1, eight of them on the board
  PressAt(static_cast<float>(kindCell->drawX), static_cast<float>(kindCell->drawY));
  game._updateTilesOver();
  Release();
  EXPECT_EQ(game.gameMode, 0);
  EXPECT_EQ(FlyingChipList.Count(), 8);
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 6; ++c)
      if (At(r, c)->chip) {
        EXPECT_NE(At(r, c)->chip->id, 1) << r << "," << c;
      }
  EXPECT_EQ(sound.snd.count("powerUpUse"), 2);
}

TEST_F(PowerUpTest, BuyingWhileAModeIsActive) {
  Board6();
  profile.unlockedPowerUp = {1, 1, 1, 1};
  profile.cash = 100000;
  ClickButton(0);
  EXPECT_EQ(game.gameMode, 1);
  ClickButton(1);  // the new mode replaces the old one; the first price is not returned
  EXPECT_EQ(game.gameMode, 2);
  EXPECT_EQ(profile.cash, 100000 - 1500 - 3000);
  ClickButton(3);  // the big bomb leaves the mode as it is
  EXPECT_EQ(game.gameMode, 2);
  EXPECT_EQ(BombList.Count(), 1);
  ClickButton(2);
  EXPECT_EQ(game.gameMode, 3);
  EXPECT_EQ(profile.cash, 100000 - 1500 - 3000 - 10000 - 5000);
}

TEST_F(PowerUpTest, PopUpAfterHalfASecondOfHovering) {
  auto& b = game.powerUp[2];
  Mouse->x = static_cast<float>(b->x + 10);
  Mouse->y = static_cast<float>(b->y + 10);
  Mouse->leftPressed = 0;
  game.popupTime = MillisecondClock() + 500;
  game._updatePowerUp();
  EXPECT_EQ(b->showPopUp, 0);
  AdvanceVirtualClock(501);
  game._updatePowerUp();
  EXPECT_EQ(b->showPopUp, 1);
  Mouse->x = 0;
  game._updatePowerUp();
  EXPECT_EQ(b->showPopUp, 0);
  EXPECT_EQ(game.popupTime, MillisecondClock() + 500);
}

TEST_F(PowerUpTest, LineModeClearsTheClickedRowOutward) {
  Board6();
  game.gameMode = 1;
  // Outside the board nothing happens and the mode stays.
  game.over = nullptr;
  Mouse->leftPressed = 1;
  game._updateTiles_PowerUpLine();
  EXPECT_EQ(game.gameMode, 1);
  game.over = At(2, 3);
  int now = MillisecondClock();
  game._updateTiles_PowerUpLine();
  EXPECT_EQ(game.gameMode, 0);
  for (int c = 0; c < 6; ++c) EXPECT_EQ(At(2, c)->lineTime, now + 50 * std::abs(c - 3)) << c;
  EXPECT_EQ(At(1, 3)->lineTime, 0);
}

TEST_F(PowerUpTest, KindModeRemovesEveryChipOfTheKindButNotForPowerUpChips) {
  Board6();
  At(0, 1)->chip = NewChip(kBombChipId);
  At(0, 1)->chip->tile = At(0, 1);
  game.gameMode = 2;
  game.over = At(0, 1);  // a bomb chip: no aim, no effect
  Mouse->leftPressed = 1;
  game._updateTiles_PowerUpDeleteChipType();
  EXPECT_EQ(game.gameMode, 2);
  EXPECT_NE(At(0, 1)->chip, nullptr);

  game.over = At(0, 0);  // kind 1
  game._updateTiles_PowerUpDeleteChipType();
  EXPECT_EQ(game.gameMode, 0);
  int ones = 0, others = 0;
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 6; ++c) {
      if (!At(r, c)->chip) continue;
      if (At(r, c)->chip->id == 1) ++ones;
      ++others;
    }
  EXPECT_EQ(ones, 0);
  EXPECT_EQ(others, 36 - 8);  // the eight chips of kind 1 flew off
  EXPECT_EQ(FlyingChipList.Count(), 8);
}

TEST_F(PowerUpTest, TenSmallBombs150MsApartAtDistinctChips) {
  Board6();
  int now = MillisecondClock();
  game.usePowerUp(2);
  EXPECT_EQ(game.gameMode, 3);
  ASSERT_EQ(BombList.Count(), 10);
  std::set<const TChip*> targets;
  int k = 1;
  BombList.ForEach([&](const TBombPtr& b) {
    EXPECT_EQ(b->time, now + 150 * k++);
    EXPECT_EQ(b->iMustGo, 1);
    targets.insert(b->dChip.get());
    TTilePtr cell = b->dChip->Tile();
    EXPECT_EQ(b->x2, cell->drawX);
    EXPECT_EQ(b->x1, cell->drawX + 1024);
  });
  EXPECT_EQ(targets.size(), 10u);
  // The mode ends once every bomb has exploded.
  for (int i = 0; i < 200 && BombList.Count() > 0; ++i) {
    Tick();
    UpdateBombs();
    game._updateTiles_PowerUpDeleteRandom();
  }
  EXPECT_EQ(BombList.Count(), 0);
  EXPECT_EQ(game.gameMode, 0);
}

TEST_F(PowerUpTest, FewerChipsMeanFewerBombs) {
  Load(game_test::Board({"1, 2", "3, 4"}));
  game.usePowerUp(2);
  EXPECT_EQ(BombList.Count(), 4);
  EXPECT_EQ(LaunchChipBomb(0), nullptr);
}

TEST_F(PowerUpTest, BigBombReachesEveryCellAndKeepsSecondLayers) {
  auto t = game_test::Board({"1, 2, 3, 4, 5", "3, 4, 5, 1, 2", "5, 1, 2, 3, 4", "2, 3, 4, 5, 1"},
                            {"1, 1, 1, 1, 0", "1, 2, 1, 1, 1", "1, 1, 1, 1, 1", "2, 1, 1, 1, 1"});
  Load(t);
  game.usePowerUp(3);
  EXPECT_EQ(game.gameMode, 0);
  ASSERT_EQ(BombList.Count(), 1);
  EXPECT_EQ(BombList.First()->tile, At(2, 2));
  int frames = 0;
  while (BombList.Count() > 0 && frames < 200) {
    Tick();
    UpdateBombs();
    ++frames;
  }
  EXPECT_GE(frames, 100);
  EXPECT_LE(frames, 101);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 5; ++c) {
      if (At(r, c)->id == kTileHole) {
        EXPECT_EQ(At(r, c)->bombTime, 0);
        continue;
      }
      EXPECT_GT(At(r, c)->bombTime, 0) << r << "," << c;
      EXPECT_EQ(At(r, c)->bombingSpec, 1);
    }
}

TEST_F(PowerUpTest, BombChipAtACornerHitsOnlyThePatternCellsThatExist) {
  Board6();
  int now = MillisecondClock();
  game.Bomb(At(0, 0));
  const int expected[3][3] = {{0, 160, 320}, {160, 205, 345}, {320, 345, -1}};
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 6; ++c) {
      int want = r < 3 && c < 3 ? expected[r][c] : -1;
      if (want < 0) {
        EXPECT_EQ(At(r, c)->bombTime, 0) << r << "," << c;
      } else {
        EXPECT_EQ(At(r, c)->bombTime, now + want) << r << "," << c;
      }
    }
}

TEST_F(PowerUpTest, ThreeBombChipsInALineExplodeThreeTimes) {
  auto lv = Board6();
  for (int c = 1; c <= 3; ++c) {
    At(5, c)->chip = NewChip(kBombChipId);
    At(5, c)->chip->tile = At(5, c);
  }
  game.MatchChips({At(5, 1)->chip, At(5, 2)->chip, At(5, 3)->chip});
  for (int i = 0; i < 120; ++i) {
    Tick();
    for (auto& row : lv->tile)
      for (auto& t : row) t->update();
    for (int r = 5; r >= 0; --r)
      for (int c = 0; c < 6; ++c)
        if (auto ch = At(r, c)->chip) ch->update();
  }
  EXPECT_EQ(game.bombs, 3);
}

}  // namespace
