// The board's part of the harness's state dump: the board of the level on the game screen.
#include <gtest/gtest.h>

#include "app/state_dump.h"
#include "board_fixture.h"
#include "match3/board_hooks.h"
#include "textdata/rcm_file.h"

namespace {

TEST(BoardHooks, StateDumpCarriesTheBoardOfTheGameScreen) {
  testing_support::MediaScope media;
  ASSERT_TRUE(media.ok());
  board_test::MakeKinds();
  testing_support::ScratchDir dir;
  board_test::LevelText t;
  t.data = {"size = 2, 3", "availableChips = \"1 2\"", "toCollect = \"4 0\"", "time = 0, 1, 2"};
  t.tiles = {"1, 2, 0", "1, 1, 1"};
  t.chips = {"1, 2, 0", "0, 101, 2"};
  TLevelPtr level = board_test::LoadFromText(dir, t.str());
  level->score = 90;
  RegisterBoardHooks();
  RegisterBoardHooks();  // registering twice adds nothing twice

  {
    board_test::Board b(level);  // puts the level on the game screen
    auto file = CreateRCM();
    FillStateDump(*file);
    EXPECT_EQ(file->getFloat("level::data::size", 0), 2.0f);
    EXPECT_EQ(file->getFloat("level::tile::row0", 1), 2.0f);
    EXPECT_EQ(file->getFloat("level::chips::row1", 1), 101.0f);
    EXPECT_EQ(file->getFloat("level::chips::row1", 0), 0.0f);
    EXPECT_EQ(file->getString("level::data::toCollect", 0), "4 0");
    EXPECT_EQ(file->getFloat("level::data::time", 2), 2.0f);
    EXPECT_EQ(file->getFloat("level::data::score", 0), 90.0f);
  }
  // Without a level on the game screen the dump holds no board.
  auto empty = CreateRCM();
  FillStateDump(*empty);
  EXPECT_EQ(empty->getString("level::data::size", 0), "");
  ChipKinds.Clear();
  board_test::FreeTestImages();
}

}  // namespace
