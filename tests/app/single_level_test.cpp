// End to end: one level played straight from the command line (--level), driven by scripts.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "scripted_level.h"
#include "test_support.h"

using testing_support::Cell;
using testing_support::Field;
using testing_support::FiveByFiveLevel;
using testing_support::GameRun;
using testing_support::ReadFile;
using testing_support::RunScripted;
using testing_support::ScratchDir;
using testing_support::WriteFile;

namespace {

// The shared 5 x 5 level with one marked cell, (2,4), that keeps it from being won at once.
const char* kOneMarkedCell =
    "\t\trow0 = 1, 1, 1, 1, 1\n"
    "\t\trow1 = 1, 1, 1, 1, 1\n"
    "\t\trow2 = 1, 1, 1, 1, 2\n"
    "\t\trow3 = 1, 1, 1, 1, 1\n"
    "\t\trow4 = 1, 1, 1, 1, 1\n";

// The opening takes well under 300 frames after loading; each move is waited out for 150.
std::string MovesScript() {
  return "wait 300\n"
         "state s0.txt\n"
         "click " +
         Cell(0, 3) +
         "\n"
         "wait 5\n"
         "click " +
         Cell(0, 4) +
         "   # no line: the chips go and come back\n"
         "wait 60\n"
         "state back.txt\n"
         "click " +
         Cell(0, 2) +
         "\n"
         "wait 5\n"
         "state s1.txt\n"
         "click " +
         Cell(1, 2) +
         "\n"
         "wait 150\n"
         "state s2.txt\n"
         "shot s2.png\n"
         "drag " +
         Cell(3, 2) + " " + Cell(4, 2) +
         " 6\n"
         "wait 150\n"
         "state s3.txt\n"
         "shot s3.png\n";
}

// The chip rows of a dump: "level::chips::rowR" is the second "rowR" of the dump (the first
// is in the tile group).
std::string ChipRow(const std::string& dump, int r) {
  std::string needle = "\t\trow" + std::to_string(r) + " = ";
  size_t at = dump.find("\tchips {");
  if (at == std::string::npos) return "";
  at = dump.find(needle, at);
  if (at == std::string::npos) return "";
  size_t end = dump.find('\n', at);
  return dump.substr(at + needle.size(), end - at - needle.size());
}

}  // namespace

TEST(SingleLevel, ClicksAndADragSwapChipsWithTheirScoresAndRepeatExactly) {
  ScratchDir first, second;
  for (const ScratchDir* run : {&first, &second}) {
    WriteFile(*run / "small.txt", FiveByFiveLevel(kOneMarkedCell));
    GameRun result = RunScripted(*run, MovesScript(), "--level small.txt", 3);
    ASSERT_EQ(result.status, 0) << result.output;
  }
  std::string s0 = ReadFile(first / "s0.txt"), s1 = ReadFile(first / "s1.txt");
  std::string s2 = ReadFile(first / "s2.txt"), s3 = ReadFile(first / "s3.txt");

  // Straight into the game screen after loading, playing the file outside the quest.
  EXPECT_EQ(Field(s0, "screen"), "\"TMainGame\"") << s0;
  EXPECT_EQ(Field(s0, "level"), "\"small.txt\"") << s0;
  EXPECT_EQ(Field(s0, "levelNumber"), "0");
  EXPECT_EQ(Field(s0, "outsideQuest"), "1");
  EXPECT_EQ(Field(s0, "state"), "0") << "the opening should be over";
  EXPECT_EQ(Field(s0, "score"), "0");
  EXPECT_EQ(ChipRow(s0, 0), "1, 1, 2, 3, 4");
  EXPECT_EQ(Field(s0, "toCollect"), "\"0 0 0 0 0\"");

  // A swap that makes no line is undone: the board and the score are as before.
  std::string back = ReadFile(first / "back.txt");
  for (int r = 0; r < 5; ++r) EXPECT_EQ(ChipRow(back, r), ChipRow(s0, r)) << r;
  EXPECT_EQ(Field(back, "score"), "0");
  EXPECT_EQ(Field(back, "picked"), "\"\"");

  // The first click picks; the second, on a neighbour, swaps and clears the top row's line.
  EXPECT_EQ(Field(s1, "picked"), "\"0 2\"");
  EXPECT_EQ(Field(s2, "picked"), "\"\"");
  EXPECT_EQ(Field(s2, "score"), "45");
  EXPECT_EQ(ChipRow(s2, 1), "3, 4, 2, 5, 2");
  EXPECT_EQ(ChipRow(s2, 2), "4, 5, 3, 2, 1");
  EXPECT_EQ(ChipRow(s2, 3), "2, 3, 4, 1, 5");
  EXPECT_EQ(ChipRow(s2, 4), "4, 4, 1, 5, 3");

  // The drag swaps downwards; the bottom line goes and the three columns above fall by one.
  EXPECT_EQ(Field(s3, "score"), "90");
  EXPECT_EQ(ChipRow(s3, 2), "3, 4, 2, 2, 1");
  EXPECT_EQ(ChipRow(s3, 3), "4, 5, 3, 1, 5");
  EXPECT_EQ(ChipRow(s3, 4), "2, 3, 1, 5, 3");
  EXPECT_EQ(Field(s3, "state"), "0");

  // The same seed and script give the same run, frame for frame.
  for (const char* file : {"s0.txt", "back.txt", "s1.txt", "s2.txt", "s3.txt", "s2.png", "s3.png"})
    EXPECT_EQ(ReadFile(first / file), ReadFile(second / file)) << file;
}

TEST(SingleLevel, ALevelThatCannotBePlayedStopsBeforeAnyWindowWithStatus2) {
  struct Case {
    const char* what;
    const char* level;     // what --level names
    const char* contents;  // written to bad.txt when not null
    const char* message;   // part of the diagnostic
  };
  const std::vector<Case> cases = {
      {"a missing file", "nowhere.txt", nullptr, "no such file"},
      {"a quest level that does not exist", "999", nullptr, "level-999.txt"},
      {"a folder", "user", nullptr, "a folder"},
      {"garbage", "bad.txt", "this is not a level\n", "board size"},
      {"only holes", "bad.txt",
       "level {\n data {\n size = 1, 2\n availableChips = \"1 2\"\n }\n tile {\n row0 = 0, 0\n"
       " }\n chips {\n row0 = 0, 0\n }\n}\n",
       "no cell to play on"},
      {"an unknown chip kind", "bad.txt",
       "level {\n data {\n size = 1, 1\n availableChips = \"77\"\n }\n tile {\n row0 = 1\n }\n"
       " chips {\n row0 = 0\n }\n}\n",
       "does not exist"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchDir scratch;
    std::filesystem::create_directories(scratch / "user");
    if (c.contents) WriteFile(scratch / "bad.txt", c.contents);
    GameRun run = RunScripted(scratch, "wait 10\n", std::string("--level ") + c.level);
    EXPECT_EQ(run.status, 2) << run.output;
    EXPECT_NE(run.output.find("cannot play the level"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    // Nothing started: no controller step ran and the user folder stayed empty.
    EXPECT_EQ(run.output.find("where ="), std::string::npos) << run.output;
    EXPECT_TRUE(std::filesystem::is_empty(scratch / "user"));
  }
}

TEST(SingleLevel, WinningALevelOutsideTheQuestLeavesTheQuestAndReturnsToTheMenu) {
  // No marked cell and no goal: the level is won at its first quiet frame.
  ScratchDir scratch;
  WriteFile(scratch / "calm.txt",
            "level {\n data {\n size = 2, 3\n availableChips = \"1 2 3\"\n toCollect = \"0 0 0\"\n"
            " }\n tile {\n row0 = 1, 1, 1\n row1 = 1, 1, 1\n }\n chips {\n row0 = 1, 2, 3\n"
            " row1 = 2, 3, 1\n }\n}\n");
  GameRun run = RunScripted(scratch,
                            "wait 400\n"
                            "state summary.txt\n"
                            "click 512 382   # the summary's OK\n"
                            "wait 120\n"
                            "state after.txt\n",
                            "--level calm.txt");
  ASSERT_EQ(run.status, 0) << run.output;
  std::string summary = ReadFile(scratch / "summary.txt");
  EXPECT_EQ(Field(summary, "screen"), "\"LevelSummary\"") << summary;
  EXPECT_EQ(Field(summary, "state"), "2") << summary;
  std::string after = ReadFile(scratch / "after.txt");
  EXPECT_EQ(Field(after, "where"), "1") << after;
  EXPECT_EQ(Field(after, "screen"), "\"MainMenu\"") << after;
  // The game screen is back on the profile's own (not yet started) quest.
  EXPECT_EQ(Field(after, "outsideQuest"), "0") << after;
  EXPECT_EQ(Field(after, "questLevelId"), "0") << after;
  size_t game = run.output.find("where = 2\n");
  ASSERT_NE(game, std::string::npos) << run.output;
  EXPECT_NE(run.output.find("where = 1\n", game), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("where = 102"), std::string::npos) << run.output;
}
