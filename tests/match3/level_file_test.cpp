// Level files: loading, saving, placement, creators, goals, time bonus and damaged files.
#include <gtest/gtest.h>

#include "board_fixture.h"
#include "textdata/rcm_file.h"

using board_test::LevelText;
using board_test::LoadFromText;
using testing_support::ScratchDir;

namespace {

class LevelFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(media.ok());
    board_test::MakeKinds();
  }
  void TearDown() override {
    ChipKinds.Clear();
    board_test::FreeTestImages();
  }
  testing_support::MediaScope media;
  ScratchDir dir;
};

LevelText Sample() {
  LevelText t;
  t.data = {"size = 3, 4",
            "availableChips = \"1 2 3\"",
            "toCollect = \"0 12 3\"",
            "background = \"gfx/back/b2.jpg\"",
            "time = 0, 3, 41",
            "tilesAtStart = 0"};
  t.tiles = {"0, 1, 2, 1", "1, 2, 2, 0", "1, 1, 1, 1"};
  t.chips = {"0, 1, 2, 3", "2, 101, 1, 0", "3, 3, 0, 102"};
  t.chains = {"0, 2, 0, 0", "0, 0, 1, 0", "0, 0, 0, 0"};
  t.chests = {"0, 0, 0, 1", "1, 0, 0, 0", "0, 0, 0, 0"};
  return t;
}

// Everything a saved level must give back.
void ExpectSameBoard(const TLevel& a, const TLevel& b) {
  ASSERT_EQ(a.rows, b.rows);
  ASSERT_EQ(a.cols, b.cols);
  EXPECT_EQ(a.backgroundUrl, b.backgroundUrl);
  EXPECT_EQ(a.g, b.g);
  EXPECT_EQ(a.m, b.m);
  EXPECT_EQ(a.s, b.s);
  EXPECT_EQ(a.tilesAtStart, b.tilesAtStart);
  ASSERT_EQ(a.availableChips.size(), b.availableChips.size());
  for (size_t k = 0; k < a.availableChips.size(); ++k) {
    EXPECT_EQ(a.availableChips[k]->id, b.availableChips[k]->id);
    EXPECT_EQ(a.availableChips[k]->Collect, b.availableChips[k]->Collect);
  }
  for (int r = 0; r < a.rows; ++r) {
    for (int c = 0; c < a.cols; ++c) {
      SCOPED_TRACE("cell " + std::to_string(r) + "," + std::to_string(c));
      const TTile& x = *a.tile[r][c];
      const TTile& y = *b.tile[r][c];
      EXPECT_EQ(x.id, y.id);
      EXPECT_EQ(x.chain, y.chain);
      EXPECT_EQ(x.chest, y.chest);
      EXPECT_EQ(x.chip ? x.chip->id : 0, y.chip ? y.chip->id : 0);
    }
  }
}

TEST_F(LevelFileTest, LoadsEveryKeyOfTheFile) {
  TLevelPtr lv = LoadFromText(dir, Sample().str());
  ASSERT_EQ(lv->rows, 3);
  ASSERT_EQ(lv->cols, 4);
  EXPECT_EQ(lv->backgroundUrl, "gfx/back/b2.jpg");
  EXPECT_EQ(lv->m, 3);
  EXPECT_EQ(lv->s, 41);
  EXPECT_EQ(lv->tilesAtStart, 3);  // counted: three cells of kind 2
  ASSERT_EQ(lv->availableChips.size(), 3u);
  EXPECT_EQ(lv->availableChips[1]->Collect, 12);
  EXPECT_EQ(lv->availableChips[0]->collectA, 0.0f);
  EXPECT_EQ(lv->availableChips[1]->collectA, 1.0f);
  EXPECT_EQ(lv->tile[0][0]->id, 0);
  EXPECT_EQ(lv->tile[1][1]->chip->id, 101);
  EXPECT_EQ(lv->tile[0][1]->chain, 2);
  EXPECT_EQ(lv->tile[1][0]->chest, 1);
  EXPECT_EQ(lv->tile[2][2]->chip, nullptr);
  EXPECT_TRUE(lv->isPlayable());
  // Every cell knows its place, its level and its chip knows its cell.
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c) {
      EXPECT_EQ(lv->tile[r][c]->r, r);
      EXPECT_EQ(lv->tile[r][c]->c, c);
      EXPECT_EQ(lv->tile[r][c]->Level(), lv);
      if (lv->tile[r][c]->chip) {
        EXPECT_EQ(lv->tile[r][c]->chip->Tile(), lv->tile[r][c]);
      }
    }
}

TEST_F(LevelFileTest, SaveAndLoadRoundTripsTheBoardInPlay) {
  TLevelPtr lv = LoadFromText(dir, Sample().str());
  // Play changes: a cleared cell, a broken link, an opened chest, a goal collected, a chip gone.
  lv->tile[0][2]->id = 1;
  lv->tile[0][1]->chain = 1;
  lv->tile[0][3]->chest = 0;
  lv->AddCollect(*lv->availableChips[1]);
  lv->tile[2][0]->chip = nullptr;
  lv->g = 1;
  lv->m = 2;
  lv->s = 3;
  ASSERT_EQ(lv->Save(dir / "saved.txt"), 0);
  TLevelPtr back = LoadLevel(dir / "saved.txt");
  ExpectSameBoard(*lv, *back);
  EXPECT_EQ(back->availableChips[1]->Collect, 11);
  // Saving again gives the very same text.
  ASSERT_EQ(back->Save(dir / "again.txt"), 0);
  EXPECT_EQ(testing_support::ReadFile(dir / "saved.txt"),
            testing_support::ReadFile(dir / "again.txt"));
  auto file = LoadRCM(dir / "saved.txt");
  EXPECT_EQ(file->getFloat("level::chains::isChain", 0), 1.0f);
  EXPECT_EQ(file->getFloat("level::chests::isChest", 0), 1.0f);
  EXPECT_EQ(file->getString("level::data::availableChips", 0), "1 2 3");
  EXPECT_EQ(file->getString("level::data::toCollect", 0), "0 11 3");
}

TEST_F(LevelFileTest, SaveReportsAFileThatCannotBeWritten) {
  TLevelPtr lv = LoadFromText(dir, Sample().str());
  EXPECT_EQ(lv->Save(dir / "no-such-folder/level.txt"), -1);
  EXPECT_EQ(lv->Save(dir / "level.txt"), 0);
}

TEST_F(LevelFileTest, SavedFileWithoutChainsAndChestsStillWritesBothSections) {
  LevelText t;
  t.data = {"size = 1, 2", "availableChips = \"1\""};
  t.tiles = {"1, 1"};
  t.chips = {"1, 1"};
  TLevelPtr lv = LoadFromText(dir, t.str());
  EXPECT_EQ(lv->tile[0][0]->chain, 0);
  EXPECT_EQ(lv->tile[0][1]->chest, 0);
  lv->Save(dir / "saved.txt");
  auto file = LoadRCM(dir / "saved.txt");
  EXPECT_EQ(file->getFloat("level::chains::isChain", 0), 1.0f);
  EXPECT_EQ(file->getFloat("level::chests::row0", 1), 0.0f);
  EXPECT_EQ(file->getString("level::data::toCollect", 0), "0");
}

TEST_F(LevelFileTest, NumbersAreTruncatedTowardZero) {
  LevelText t;
  t.data = {"size = 2.7, 3.9", "availableChips = \"1 2.7 3\"", "toCollect = \"2.7 -2.7 0\"",
            "time = 0.5, 2.7, 9.99", "tilesAtStart = 2.7"};
  t.tiles = {"1.7, 2.7, -0.7", "0.2, 1, 1"};
  t.chips = {"2.7, -2.7, 1.2", "0, 0, 0"};
  TLevelPtr lv = LoadFromText(dir, t.str());
  EXPECT_EQ(lv->rows, 2);
  EXPECT_EQ(lv->cols, 3);
  ASSERT_EQ(lv->availableChips.size(), 3u);
  EXPECT_EQ(lv->availableChips[1]->id, 2);
  EXPECT_EQ(lv->availableChips[0]->Collect, 2);
  EXPECT_EQ(lv->availableChips[1]->Collect, 0);  // -2 is no goal
  EXPECT_EQ(lv->g, 0);
  EXPECT_EQ(lv->m, 2);
  EXPECT_EQ(lv->s, 9);
  EXPECT_EQ(lv->tilesAtStart, 2);
  EXPECT_EQ(lv->tile[0][0]->id, 1);
  EXPECT_EQ(lv->tile[0][1]->id, 2);
  EXPECT_EQ(lv->tile[0][2]->id, 0);  // -0.7 truncates to 0
  EXPECT_EQ(lv->tile[1][0]->id, 0);
  EXPECT_EQ(lv->tile[0][0]->chip->id, 2);    // 2.7 names kind 2
  EXPECT_EQ(lv->tile[0][1]->chip, nullptr);  // -2.7 names no kind
  EXPECT_EQ(lv->tile[0][2]->chip, nullptr);  // a chip on a hole is left out
}

TEST_F(LevelFileTest, BoardIsCentredOnTheScreen) {
  struct Case {
    int rows, cols, width, height, drawX, drawY;
  };
  const Case cases[] = {
      {9, 8, 384, 432, 344, 174}, {5, 7, 336, 240, 368, 270}, {1, 1, 48, 48, 512, 366}};
  for (const Case& k : cases) {
    LevelText t;
    t.data = {"size = " + std::to_string(k.rows) + ", " + std::to_string(k.cols),
              "availableChips = \"1\""};
    for (int r = 0; r < k.rows; ++r) {
      std::string row;
      for (int c = 0; c < k.cols; ++c) row += c ? ", 1" : "1";
      t.tiles.push_back(row);
    }
    TLevelPtr lv = LoadFromText(dir, t.str());
    SCOPED_TRACE(std::to_string(k.rows) + "x" + std::to_string(k.cols));
    EXPECT_EQ(lv->width, k.width);
    EXPECT_EQ(lv->height, k.height);
    EXPECT_EQ(lv->drawX, k.drawX);
    EXPECT_EQ(lv->drawY, k.drawY);
    if (k.rows == 9) {
      EXPECT_EQ(lv->tile[2][3]->drawX, 488);
      EXPECT_EQ(lv->tile[2][3]->drawY, 270);
      EXPECT_EQ(lv->drawX - 24, 320);
      EXPECT_EQ(lv->drawY - 24 + lv->height, 582);
    }
  }
}

TEST_F(LevelFileTest, CreatorsAreTheTopRowAndTheCellsBelowHoles) {
  LevelText t;
  t.data = {"size = 4, 3", "availableChips = \"1\""};
  t.tiles = {"0, 1, 1",  //
             "1, 0, 1",  //
             "1, 1, 0",  //
             "1, 1, 1"};
  TLevelPtr lv = LoadFromText(dir, t.str());
  std::vector<std::pair<int, int>> got;
  for (auto& tl : lv->creators) got.push_back({tl->r, tl->c});
  // Scan order: row by row, column by column; the hole at (0, 0) makes (1, 0) the first.
  std::vector<std::pair<int, int>> want = {{1, 0}, {0, 1}, {0, 2}, {2, 1}, {3, 2}};
  EXPECT_EQ(got, want);
  EXPECT_EQ(lv->tile[0][0]->isCreator, 0);  // a hole is never a creator
  EXPECT_EQ(lv->tile[1][0]->isCreator, 1);
  EXPECT_EQ(lv->tile[3][0]->isCreator, 0);

  LevelText one;
  one.data = {"size = 1, 3", "availableChips = \"1\""};
  one.tiles = {"1, 1, 1"};
  EXPECT_TRUE(LoadFromText(dir, one.str())->creators.empty());
}

TEST_F(LevelFileTest, CellsToClearAreCountedOnlyWhenTheFileSaysZero) {
  LevelText t;
  t.data = {"size = 2, 2", "availableChips = \"1\""};
  t.tiles = {"2, 2", "2, 1"};
  EXPECT_EQ(LoadFromText(dir, t.str())->tilesAtStart, 3);
  t.data.push_back("tilesAtStart = 5");
  EXPECT_EQ(LoadFromText(dir, t.str())->tilesAtStart, 5);
}

TEST_F(LevelFileTest, TimeBonusTable) {
  struct Case {
    int g, m, s, bonus;
  };
  const Case cases[] = {{0, 0, 0, 5000}, {0, 0, 59, 5000}, {0, 1, 59, 2000}, {0, 2, 0, 1000},
                        {0, 3, 30, 500}, {0, 4, 0, 250},   {0, 5, 0, 100},   {0, 6, 0, 50},
                        {0, 7, 0, 10},   {0, 8, 0, 0},     {0, 59, 59, 0},   {1, 0, 0, 0}};
  TLevel lv;
  for (const Case& k : cases) {
    lv.g = k.g;
    lv.m = k.m;
    lv.s = k.s;
    EXPECT_EQ(lv.CountTimeBonus(), k.bonus) << k.g << ":" << k.m << ":" << k.s;
  }
}

TEST_F(LevelFileTest, GoalCountersAndCollecting) {
  LevelText t;
  t.data = {"size = 1, 1", "availableChips = \"1 2 3\"", "toCollect = \"0 12\""};
  t.tiles = {"1"};
  TLevelPtr lv = LoadFromText(dir, t.str());
  ASSERT_EQ(lv->availableChips.size(), 3u);
  EXPECT_EQ(lv->availableChips[0]->Collect, 0);
  EXPECT_EQ(lv->availableChips[1]->Collect, 12);
  EXPECT_EQ(lv->availableChips[2]->Collect, 0);  // no count given

  TChipPtr two = NewChip(2), one = NewChip(1);
  auto where = lv->ChipIsOneOfAvailables(*two);
  ASSERT_TRUE(where.has_value());
  EXPECT_EQ(where->x, 506.0f);
  EXPECT_EQ(where->y, 40.0f);
  EXPECT_FALSE(lv->ChipIsOneOfAvailables(*one).has_value());

  lv->availableChips[1]->Collect = 1;
  lv->AddCollect(*two);
  EXPECT_EQ(lv->availableChips[1]->Collect, 0);
  EXPECT_FALSE(lv->ChipIsOneOfAvailables(*two).has_value());
  lv->AddCollect(*two);
  EXPECT_EQ(lv->availableChips[1]->Collect, 0);  // never below 0
}

TEST_F(LevelFileTest, RandomChipsComeFromTheAvailableKinds) {
  LevelText t;
  t.data = {"size = 1, 1", "availableChips = \"2 4\"", "toCollect = \"5 5\""};
  t.tiles = {"1"};
  TLevelPtr lv = LoadFromText(dir, t.str());
  SeedRandom(7);
  int seen[2] = {0, 0};
  for (int i = 0; i < 200; ++i) {
    TChipPtr c = lv->GetRandomChip();
    ASSERT_TRUE(c);
    ASSERT_TRUE(c->id == 2 || c->id == 4);
    EXPECT_EQ(c->Collect, 0);  // a copy carries no goal
    ++seen[c->id == 4];
  }
  EXPECT_GT(seen[0], 50);
  EXPECT_GT(seen[1], 50);
  TLevel empty;
  EXPECT_EQ(empty.GetRandomChip(), nullptr);
}

TEST_F(LevelFileTest, GlowWaveTiming) {
  LevelText t;
  t.data = {"size = 2, 3", "availableChips = \"1\""};
  t.tiles = {"1, 1, 1", "1, 0, 1"};
  TLevelPtr lv = LoadFromText(dir, t.str());
  int now = MillisecondClock();
  lv->ResetBlask();
  EXPECT_EQ(lv->blaskTime, now + 4000);
  for (auto& row : lv->tile)
    for (auto& tl : row) EXPECT_EQ(tl->blaskTime, 0);
  AdvanceVirtualClock(4000);
  lv->UpdateBlaskWave();  // not yet past
  EXPECT_EQ(lv->tile[0][0]->blaskTime, 0);
  AdvanceVirtualClock(1);
  now = MillisecondClock();
  lv->UpdateBlaskWave();
  EXPECT_EQ(lv->blaskTime, now + 4000);
  EXPECT_EQ(lv->tile[0][0]->blaskTime, now);
  EXPECT_EQ(lv->tile[0][2]->blaskTime, now + 200);
  EXPECT_EQ(lv->tile[1][2]->blaskTime, now + 300);
  EXPECT_EQ(lv->tile[1][1]->blaskTime, now + 200);  // holes get a time too

  // One cell's pulse: it starts once the clock passes its time, rises for 10 frames, falls for 10.
  FrameDelta = 1;
  TTile& cell = *lv->tile[0][2];
  cell.update();
  EXPECT_EQ(cell.dBlaskP, 0.0f);
  AdvanceVirtualClock(201);
  cell.update();  // sees the time: the target becomes 1
  EXPECT_EQ(cell.dBlaskP, 1.0f);
  int rising = 0;
  while (cell.blaskP < 1 && rising < 100) {
    cell.update();
    ++rising;
  }
  EXPECT_NEAR(rising, 10, 1);
  int falling = 0;
  while (cell.blaskP > 0 && falling < 100) {
    cell.update();
    ++falling;
  }
  EXPECT_NEAR(falling, 10, 1);
}

TEST_F(LevelFileTest, BoardStateDumpUsesTheLevelKeys) {
  TLevelPtr lv = LoadFromText(dir, Sample().str());
  lv->score = 345;
  auto file = CreateRCM();
  WriteBoardState(*lv, *file);
  EXPECT_EQ(file->getFloat("level::data::size", 1), 4.0f);
  EXPECT_EQ(file->getFloat("level::tile::row1", 1), 2.0f);
  EXPECT_EQ(file->getFloat("level::chips::row1", 1), 101.0f);
  EXPECT_EQ(file->getFloat("level::chips::row2", 2), 0.0f);
  EXPECT_EQ(file->getFloat("level::chains::row0", 1), 2.0f);
  EXPECT_EQ(file->getFloat("level::chests::row1", 0), 1.0f);
  EXPECT_EQ(file->getString("level::data::toCollect", 0), "0 12 3");
  EXPECT_EQ(file->getFloat("level::data::time", 2), 41.0f);
  EXPECT_EQ(file->getFloat("level::data::score", 0), 345.0f);
}

// Damaged files: a diagnostic, a safe board, never a crash.
TEST_F(LevelFileTest, DamagedFilesGiveSafeLevels) {
  struct Case {
    const char* name;
    LevelText text;
    bool playable;
    int rows, cols;
  };
  auto base = [](std::vector<std::string> data, std::vector<std::string> tiles,
                 std::vector<std::string> chips = {}) {
    LevelText t;
    t.data = std::move(data);
    t.tiles = std::move(tiles);
    t.chips = std::move(chips);
    return t;
  };
  std::vector<Case> cases = {
      {"negative size", base({"size = -3, 4", "availableChips = \"1\""}, {}), false, 0, 0},
      {"huge size", base({"size = 100000, 100000", "availableChips = \"1\""}, {}), false, 0, 0},
      {"one side zero", base({"size = 0, 4", "availableChips = \"1\""}, {}), false, 0, 0},
      {"no kinds", base({"size = 1, 1", "availableChips = \"77 0\""}, {"1"}), false, 1, 1},
      {"no keys at all", LevelText{}, false, 0, 0},
      {"short rows", base({"size = 2, 3", "availableChips = \"1\""}, {"1, 1", "1"}, {"1"}), true, 2,
       3},
      {"unknown chip ids", base({"size = 1, 2", "availableChips = \"1\""}, {"1, 1"}, {"9, 250"}),
       true, 1, 2},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    TLevelPtr lv = LoadFromText(dir, k.text.str());
    EXPECT_EQ(lv->isPlayable(), k.playable);
    EXPECT_EQ(lv->rows, k.rows);
    EXPECT_EQ(lv->cols, k.cols);
    EXPECT_EQ(static_cast<int>(lv->tile.size()), lv->rows);
    for (auto& row : lv->tile) EXPECT_EQ(static_cast<int>(row.size()), lv->cols);
    // The damaged level still saves and updates without trouble.
    lv->Save(dir / "resaved.txt");
    lv->ResetBlask();
    lv->UpdateBlaskWave();
  }

  // Missing values of a short row read as holes; unknown chips leave cells empty.
  TLevelPtr shortRows = LoadFromText(
      dir, base({"size = 2, 3", "availableChips = \"1\""}, {"1, 1"}, {"1, 1, 1"}).str());
  EXPECT_EQ(shortRows->tile[0][2]->id, 0);
  EXPECT_EQ(shortRows->tile[0][2]->chip, nullptr);
  EXPECT_EQ(shortRows->tile[1][0]->id, 0);
}

TEST_F(LevelFileTest, OutOfRangeCellValuesAreClamped) {
  LevelText t;
  t.data = {"size = 1, 4", "availableChips = \"1\"", "time = -1, 75, -4"};
  t.tiles = {"-3, 7, 1, 0"};
  t.chips = {"1, 1, 1, 0"};
  t.chains = {"-1, 5, 2, 1"};
  t.chests = {"7, -1, 0, 1"};
  TLevelPtr lv = LoadFromText(dir, t.str());
  EXPECT_EQ(lv->tile[0][0]->id, 0);
  EXPECT_EQ(lv->tile[0][1]->id, 2);
  EXPECT_EQ(lv->tile[0][0]->chain, 0);  // on a hole
  EXPECT_EQ(lv->tile[0][1]->chain, 2);
  EXPECT_EQ(lv->tile[0][2]->chain, 2);
  EXPECT_EQ(lv->tile[0][3]->chain, 0);  // on a hole
  EXPECT_EQ(lv->tile[0][1]->chest, 1);
  EXPECT_EQ(lv->tile[0][2]->chest, 0);
  EXPECT_EQ(lv->g, 0);
  EXPECT_EQ(lv->m, 59);
  EXPECT_EQ(lv->s, 0);
}

TEST_F(LevelFileTest, UnknownAvailableKindIsSkippedWithItsCount) {
  LevelText t;
  t.data = {"size = 1, 1", "availableChips = \"1  9 3\"", "toCollect = \"4 5 6 7\""};
  t.tiles = {"1"};
  TLevelPtr lv = LoadFromText(dir, t.str());
  // Items: "1", "" (two spaces), "9", "3": only 1 and 3 exist, each keeps its own count.
  ASSERT_EQ(lv->availableChips.size(), 2u);
  EXPECT_EQ(lv->availableChips[0]->id, 1);
  EXPECT_EQ(lv->availableChips[0]->Collect, 4);
  EXPECT_EQ(lv->availableChips[1]->id, 3);
  EXPECT_EQ(lv->availableChips[1]->Collect, 7);
}

TEST_F(LevelFileTest, MissingFileGivesAnEmptyUnplayableLevel) {
  TLevelPtr lv = LoadLevel(dir / "nothing-here.txt");
  ASSERT_TRUE(lv);
  EXPECT_EQ(lv->rows, 0);
  EXPECT_TRUE(lv->creators.empty());
  EXPECT_FALSE(lv->isPlayable());
  EXPECT_FALSE(lv->unplayableReason().empty());
}

TEST_F(LevelFileTest, AllChipsListRunsRowByRow) {
  TLevelPtr lv = LoadFromText(dir, Sample().str());
  std::vector<int> ids;
  for (auto& c : lv->GetAllChipsList()) ids.push_back(c->id);
  EXPECT_EQ(ids, (std::vector<int>{1, 2, 3, 2, 101, 1, 3, 3, 102}));
}

TEST_F(LevelFileTest, CheckLevelFilesReportsDamagedLevelsAndChipFile) {
  ScratchDir game;
  testing_support::WriteFile(game / "data/chips.txt",
                             "chips {\n\ti = 2\n\tchip1 {\n\t\tid = 1\n\t\tgfx = \"gfx/c1.png\"\n"
                             "\t\trgb = 1, 2, 3\n\t}\n\tchip2 {\n\t\tid = 101\n"
                             "\t\tgfx = \"gfx/c2.png\"\n\t\trgb = 1, 2, 3\n\t}\n}\n");
  LevelText good;
  good.data = {"size = 2, 2", "availableChips = \"1\"", "toCollect = \"3\""};
  good.tiles = {"1, 2", "1, 1"};
  good.chips = {"1, 1", "1, 0"};
  for (int n = 1; n <= 100; ++n)
    testing_support::WriteFile(game / ("data/levels/level-" + std::to_string(n) + ".txt"),
                               good.str());
  std::vector<std::string> problems;
  int count = CheckLevelFiles(game.path(), problems);
  // Only the chip file's missing lightning kind and missing pictures.
  for (auto& p : problems) EXPECT_EQ(p.find("level-"), std::string::npos) << p;

  LevelText bad = good;
  bad.data = {"size = 2, 2", "availableChips = \"1 8\""};
  bad.tiles = {"1, 3", "1"};
  bad.chips = {"1, 5", "1, 0"};
  bad.chains = {"0, 4", "0, 0"};
  testing_support::WriteFile(game / "data/levels/level-7.txt", bad.str());
  std::remove((game / "data/levels/level-9.txt").c_str());
  std::vector<std::string> after;
  int count2 = CheckLevelFiles(game.path(), after);
  EXPECT_GT(count2, count);
  auto mentions = [&](const std::string& what) {
    for (auto& p : after)
      if (p.find(what) != std::string::npos) return true;
    return false;
  };
  EXPECT_TRUE(mentions("level-9.txt"));
  EXPECT_TRUE(mentions("level-7.txt"));
  int sevens = 0;
  for (auto& p : after) sevens += p.find("level-7.txt") != std::string::npos;
  EXPECT_GE(sevens, 4);  // unknown kind 8, tile value 3, short row, chip 5, chain 4
}

}  // namespace
