// End to end: a level played by the real program from a script, from its opening to victory,
// with a hint after idling, a power-up unlocked and used, and the summary; the dumps, the shots
// and the saved profile show each stage.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "scripted_level.h"
#include "test_support.h"

using testing_support::Cell;
using testing_support::Field;
using testing_support::GameRun;
using testing_support::PlayerProfilePath;
using testing_support::PreparePlayerAndLevel;
using testing_support::ReadFile;
using testing_support::RunScripted;
using testing_support::ScratchDir;

namespace {

const std::string kPowerUp0 = "163 707";

std::string Script() {
  return "wait 160          # splash and loading, then the opening\n"
         "state opening.txt\n"
         "shot opening.png\n"
         "wait 140\n"
         "state play.txt\n"
         "wait 420           # idle: the hint comes\n"
         "state hint.txt\n"
         "shot hint.png\n"
         "click " +
         Cell(0, 2) +
         "\n"
         "wait 5\n"
         "state picked.txt\n"
         "click " +
         Cell(1, 2) +
         "\n"
         "wait 150\n"
         "state move1.txt\n"
         "drag " +
         Cell(3, 2) + " " + Cell(4, 2) +
         " 6\n"
         "wait 150\n"
         "state move2.txt\n"
         "shot move2.png\n"
         "click " +
         kPowerUp0 +
         "   # unlock\n"
         "wait 30\n"
         "state unlocked.txt\n"
         "click " +
         kPowerUp0 +
         "   # use\n"
         "wait 10\n"
         "state aiming.txt\n"
         "click " +
         Cell(2, 3) +
         "\n"
         "wait 20\n"
         "shot blast.png\n"
         "wait 200\n"
         "state won.txt\n"
         "shot won.png\n"
         "click 512 382     # the summary's OK\n"
         "wait 120\n"
         "state after.txt\n";
}

}  // namespace

TEST(GameScreenRun, ALevelIsPlayedFromItsOpeningToVictoryWithAHintAndAPowerUp) {
  ScratchDir scratch;
  // The marked top and bottom rows go by the two swaps, row 2's marked cells by the line.
  PreparePlayerAndLevel(scratch);
  GameRun run = RunScripted(scratch, Script(), "--level play.txt --stats stats.txt", 3);
  ASSERT_EQ(run.status, 0) << run.output;
  auto dump = [&](const char* name) { return ReadFile(scratch / name); };

  std::string opening = dump("opening.txt");
  EXPECT_EQ(Field(opening, "screen"), "\"TMainGame\"") << opening;
  EXPECT_EQ(Field(opening, "state"), "1") << "the board is still building up";
  EXPECT_EQ(Field(opening, "cash"), "8000");

  std::string play = dump("play.txt");
  EXPECT_EQ(Field(play, "state"), "0");
  EXPECT_EQ(Field(play, "tilesCount"), "8");
  EXPECT_EQ(Field(play, "hint"), "\"\"");

  // Idle in play: the hint points at a swap that makes a line (here the one at the top).
  std::string hint = dump("hint.txt");
  EXPECT_EQ(Field(hint, "hint"), "\"0 2 1 2\"");
  EXPECT_EQ(Field(hint, "hintShown"), "1");

  // A click hides the hint and picks; the second click swaps; then a drag.
  std::string picked = dump("picked.txt");
  EXPECT_EQ(Field(picked, "hintShown"), "0");
  EXPECT_EQ(Field(picked, "picked"), "\"0 2\"");
  std::string move1 = dump("move1.txt"), move2 = dump("move2.txt");
  EXPECT_EQ(Field(move1, "hint"), "\"\"") << "faded out and gone";
  EXPECT_EQ(Field(move1, "score"), "45");
  EXPECT_EQ(Field(move1, "tilesCount"), "5");
  EXPECT_EQ(Field(move1, "cash"), "8045") << "points earn cash";
  EXPECT_EQ(Field(move2, "score"), "90");
  EXPECT_EQ(Field(move2, "tilesCount"), "2");
  EXPECT_EQ(Field(move2, "cash"), "8090");

  // Unlocking costs 5,000 and leaves the mode alone; using costs 1,500 and aims at a row.
  std::string unlocked = dump("unlocked.txt");
  EXPECT_EQ(Field(unlocked, "cash"), "3090");
  EXPECT_EQ(Field(unlocked, "gameMode"), "0");
  std::string aiming = dump("aiming.txt");
  EXPECT_EQ(Field(aiming, "cash"), "1590");
  EXPECT_EQ(Field(aiming, "gameMode"), "1");

  // The line clears the last marked cells: the level is won and the summary is on show.
  std::string won = dump("won.txt");
  EXPECT_EQ(Field(won, "state"), "2") << won;
  EXPECT_EQ(Field(won, "tilesCount"), "0");
  EXPECT_EQ(Field(won, "gameMode"), "0");
  EXPECT_EQ(Field(won, "screen"), "\"LevelSummary\"");
  // The line itself scores nothing, but its refill may cascade; every point is cash.
  int cascade = std::stoi(Field(won, "score")) - 90;
  EXPECT_GE(cascade, 0);
  EXPECT_EQ(std::stoi(Field(won, "cash")), 1590 + cascade);

  // A level played on its own leaves the quest where it stood, and the menu follows.
  std::string after = dump("after.txt");
  EXPECT_EQ(Field(after, "screen"), "\"MainMenu\"") << after;
  std::string saved = ReadFile(PlayerProfilePath(scratch));
  EXPECT_EQ(Field(saved, "level"), "5") << saved;
  EXPECT_EQ(Field(saved, "cash"), Field(won, "cash")) << saved;
  EXPECT_EQ(Field(saved, "powerUp0"), "1") << saved;
  EXPECT_EQ(Field(saved, "actScreen"), "4") << saved;

  for (const char* shot : {"opening.png", "hint.png", "move2.png", "blast.png", "won.png"}) {
    EXPECT_GT(std::filesystem::file_size(scratch / shot), 10000u) << shot;
  }
  std::string stats = ReadFile(scratch / "stats.txt");
  EXPECT_NE(stats.find("update+draw ms:"), std::string::npos) << stats;
}
