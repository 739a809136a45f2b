// End to end: the real program on the game screen. "MENU" is ignored during the opening and the
// victory and opens the options screen in play, whose ways out lead back to the game, to the main
// menu or to the map; the cheat keys work only when the data folder holds "cheats.txt".
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "scripted_level.h"
#include "test_support.h"
#include "textdata/rcm_file.h"

using testing_support::Cell;
using testing_support::Field;
using testing_support::GameRun;
using testing_support::PlayerProfilePath;
using testing_support::PreparePlayerAndLevel;
using testing_support::ReadFile;
using testing_support::RunScripted;
using testing_support::ScratchDir;
using testing_support::WriteFile;

namespace {

// The game screen's round "MENU" button and the rows of the options screen.
const char* kMenuButton = "990 38";
std::string OptionsRow(int i) {
  return "512 " + std::to_string(382 + 56 * i);
}

// The whole board as rows of chip ids ("" when the dump holds no board).
std::string Chips(const std::string& path) {
  auto file = LoadRCM(path);
  if (!file) return "";
  std::string out;
  for (int r = 0; r < 5; ++r) {
    for (int c = 0; c < 5; ++c)
      out += std::to_string(
                 static_cast<int>(file->getFloat("level::chips::row" + std::to_string(r), c))) +
             (c < 4 ? " " : "");
    out += "\n";
  }
  return out;
}

int ChipAt(const std::string& path, int r, int c) {
  auto file = LoadRCM(path);
  return file ? static_cast<int>(file->getFloat("level::chips::row" + std::to_string(r), c)) : -1;
}

// The screens on show, outermost first.
std::string Screens(const std::string& path) {
  auto file = LoadRCM(path);
  if (!file) return "";
  std::string out;
  int n = static_cast<int>(file->getFloat("state::screenCount", 0));
  for (int i = 0; i < n; ++i) out += (i ? " " : "") + file->getString("state::screens", i);
  return out;
}

int Seconds(const std::string& path) {
  auto file = LoadRCM(path);
  if (!file) return -1;
  return static_cast<int>(file->getFloat("level::data::time", 1) * 60 +
                          file->getFloat("level::data::time", 2));
}

// Into play, with "MENU" clicked once during the opening on the way.
const char* kIntoPlay =
    "wait 160\n"
    "state opening.txt\n"
    "click 990 38       # MENU while the board builds up\n"
    "wait 10\n"
    "state opening-menu.txt\n"
    "wait 140\n"
    "state play.txt\n";

}  // namespace

TEST(GameScreenMenuRun, MenuIsIgnoredInTheOpeningAndOpensTheOptionsInPlay) {
  struct Case {
    int row;             // the options row chosen
    const char* screen;  // the screen on show afterwards
  };
  const Case cases[] = {{0, "TMainGame"}, {1, "MainMenu"}, {2, "MapScreen"}};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.row);
    ScratchDir scratch;
    PreparePlayerAndLevel(scratch);
    const bool back = k.row == 0;
    std::string script = std::string(kIntoPlay) + "click " + kMenuButton +
                         "\n"
                         "wait 40\n"
                         "state options.txt\n"
                         "shot options.png\n";
    if (back) script += "wait 300           # five seconds with the options open\n";
    script += "state options-later.txt\nclick " + OptionsRow(k.row) +
              "\n"
              "wait 90\n"
              "state after.txt\n";
    if (back) {
      script += "click " + Cell(0, 2) + "\nwait 5\nclick " + Cell(1, 2) +
                "\n"
                "wait 60\n"
                "state swapped.txt\n";
    }
    GameRun run = RunScripted(scratch, script, "--level play.txt");
    ASSERT_EQ(run.status, 0) << run.output;

    std::string opening = ReadFile(scratch / "opening.txt");
    ASSERT_EQ(Field(opening, "screen"), "\"TMainGame\"") << opening;
    ASSERT_EQ(Field(opening, "state"), "1");
    std::string openingMenu = ReadFile(scratch / "opening-menu.txt");
    EXPECT_EQ(Field(openingMenu, "screen"), "\"TMainGame\"") << "MENU did something";
    EXPECT_EQ(Field(openingMenu, "state"), "1");

    std::string play = ReadFile(scratch / "play.txt");
    ASSERT_EQ(Field(play, "state"), "0") << play;
    std::string options = ReadFile(scratch / "options.txt");
    EXPECT_EQ(Field(options, "screen"), "\"Options\"") << options;
    EXPECT_EQ(Screens(scratch / "options.txt"), "TMainGame Options");
    EXPECT_GT(std::filesystem::file_size(scratch / "options.png"), 10000u);
    // The clock does not run behind the options screen.
    EXPECT_LE(Seconds(scratch / "options-later.txt") - Seconds(scratch / "options.txt"), 1);

    std::string after = ReadFile(scratch / "after.txt");
    EXPECT_EQ(Field(after, "screen"), std::string("\"") + k.screen + "\"") << after;
    if (back) {
      std::string swapped = ReadFile(scratch / "swapped.txt");
      // Back in the game, play goes on: the swap makes its line.
      EXPECT_EQ(Field(after, "state"), "0");
      EXPECT_EQ(Field(swapped, "score"), "45") << swapped;
      EXPECT_EQ(Field(swapped, "cash"), "8045");
    } else {
      // The level was left; the profile keeps its cash and its place in the quest.
      std::string saved = ReadFile(PlayerProfilePath(scratch));
      EXPECT_EQ(Field(saved, "cash"), "8000") << saved;
      EXPECT_EQ(Field(saved, "level"), "5");
    }
  }
}

TEST(GameScreenMenuRun, CheatKeysWorkOnlyWithTheCheatsFile) {
  for (bool cheats : {true, false}) {
    SCOPED_TRACE(cheats ? "with cheats.txt" : "without cheats.txt");
    ScratchDir scratch;
    PreparePlayerAndLevel(scratch);
    // A data folder of its own: the built game/ tree, and the marker file beside it.
    std::filesystem::create_directories(scratch / "data");
    std::filesystem::create_directory_symlink(testing_support::BuildDir() + "/game",
                                              scratch / "data/game");
    if (cheats) WriteFile(scratch / "data/cheats.txt", "");
    std::string script = std::string(kIntoPlay) +
                         "key C\n"
                         "wait 3\n"
                         "state cash.txt\n"
                         "move " +
                         Cell(2, 1) +
                         "\n"
                         "wait 2\n"
                         "key F1             # the chip under the mouse becomes a power-up chip\n"
                         "wait 60\n"
                         "state f1.txt\n"
                         "move " +
                         Cell(4, 4) +
                         "\n"
                         "wait 2\n"
                         "key H              # the chip under the mouse is destroyed\n"
                         "wait 2\n"
                         "move 5 400\n"
                         "wait 60\n"
                         "state h-later.txt\n"
                         "key S\n"
                         "wait 2\n"
                         "state s.txt\n"
                         "wait 150\n"
                         "state s-later.txt\n"
                         "key W\n"
                         "wait 2\n"
                         "state w.txt\n"
                         "click " +
                         std::string(kMenuButton) +
                         "   # ignored once the level is won\n"
                         "wait 10\n"
                         "state w-menu.txt\n";
    GameRun run = RunScripted(scratch, script, "--level play.txt", 1, scratch / "data");
    ASSERT_EQ(run.status, 0) << run.output;

    std::string play = ReadFile(scratch / "play.txt");
    ASSERT_EQ(Field(play, "state"), "0") << play;
    const std::string board = Chips(scratch / "play.txt");
    ASSERT_EQ(board, "1 1 2 3 4\n3 4 1 5 2\n4 5 3 2 1\n2 3 4 1 5\n4 4 1 5 3\n");

    std::string cash = ReadFile(scratch / "cash.txt");
    EXPECT_EQ(Field(cash, "cash"), cheats ? "18000" : "8000");
    EXPECT_EQ(Field(cash, "score"), "0") << "the cash key earns no points";

    std::string f1 = Chips(scratch / "f1.txt");
    if (cheats) {
      int changed = ChipAt(scratch / "f1.txt", 2, 1);
      EXPECT_TRUE(changed == 101 || changed == 102) << f1;
      EXPECT_EQ(Field(ReadFile(scratch / "f1.txt"), "score"), "0");
    } else {
      EXPECT_EQ(f1, board);
    }

    std::string hLater = Chips(scratch / "h-later.txt");
    if (cheats) {
      // The chip at (4, 4) went and the column above it came down one cell.
      EXPECT_NE(hLater, f1);
      EXPECT_EQ(ChipAt(scratch / "h-later.txt", 4, 4), 5) << hLater;
      EXPECT_EQ(ChipAt(scratch / "h-later.txt", 3, 4), 1) << hLater;
      EXPECT_EQ(ChipAt(scratch / "h-later.txt", 1, 4), 4) << hLater;
      EXPECT_EQ(Field(ReadFile(scratch / "h-later.txt"), "score"), "0");
    } else {
      EXPECT_EQ(hLater, board);
    }

    // The shuffle takes every chip off the board; the creators fill it again.
    std::string s = Chips(scratch / "s.txt");
    std::string sLater = Chips(scratch / "s-later.txt");
    if (cheats) {
      // Only the top row's creators have made new chips yet.
      EXPECT_EQ(s.substr(s.find('\n') + 1), "0 0 0 0 0\n0 0 0 0 0\n0 0 0 0 0\n0 0 0 0 0\n");
      EXPECT_EQ(sLater.find('0'), std::string::npos) << sLater;
    } else {
      EXPECT_EQ(s, board);
      EXPECT_EQ(sLater, board);
    }

    std::string w = ReadFile(scratch / "w.txt");
    std::string wMenu = ReadFile(scratch / "w-menu.txt");
    if (cheats) {
      EXPECT_EQ(Field(w, "state"), "2") << w;
      EXPECT_EQ(Field(wMenu, "state"), "2");
      EXPECT_EQ(Field(wMenu, "screen"), "\"TMainGame\"") << "MENU did something in the victory";
    } else {
      EXPECT_EQ(Field(w, "state"), "0") << w;
      EXPECT_EQ(Field(w, "tilesCount"), "8");
      // Still in play, so here "MENU" does open the options.
      EXPECT_EQ(Field(wMenu, "screen"), "\"Options\"");
    }
  }
}
