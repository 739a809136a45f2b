// End to end: the real program run headless from scripts, as a player would drive it.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "test_support.h"

using testing_support::BuildDir;
using testing_support::Field;
using testing_support::GameBinary;
using testing_support::GameRun;
using testing_support::ReadFile;
using testing_support::RunScripted;
using testing_support::ScratchDir;
using testing_support::WriteFile;

namespace {

// The rows of the plain screens: row i is centred at y = 382 + 56 i.
int RowY(int i) {
  return 382 + 56 * i;
}

}  // namespace

TEST(AppHarness, HeadlessRunTakesAShotAndDumpsTheState) {
  ScratchDir scratch;
  GameRun run = RunScripted(scratch,
                            "wait 200           # splash and loading\n"
                            "state menu.txt\n"
                            "click 512 " +
                                std::to_string(RowY(0)) +
                                "   # START: a new quest\n"
                                "wait 60\n"
                                "shot story.png\n"
                                "state story.txt\n",
                            "--stats stats.txt");
  ASSERT_EQ(run.status, 0) << run.output;
  std::string menu = ReadFile(scratch / "menu.txt");
  EXPECT_EQ(Field(menu, "where"), "1") << menu;
  EXPECT_EQ(Field(menu, "lastScreen"), "\"mainMenu\"") << menu;
  EXPECT_EQ(Field(menu, "screen"), "\"MainMenu\"") << menu;
  std::string story = ReadFile(scratch / "story.txt");
  EXPECT_EQ(Field(story, "where"), "3") << story;
  EXPECT_EQ(Field(story, "lastScreen"), "\"StoryScreen\"") << story;
  EXPECT_EQ(Field(story, "screen"), "\"StoryScreen\"") << story;
  EXPECT_GT(std::stoi(Field(story, "frame")), 260);
  // The controller's trace of the run.
  EXPECT_NE(run.output.find("where = 1\nwhere = 101\nwhere = 3\n"), std::string::npos)
      << run.output;
  std::string png = ReadFile(scratch / "story.png");
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  // The settings were written in the user folder on the first start.
  EXPECT_NE(ReadFile(scratch / "user/Data/settings.txt").find("settings {"), std::string::npos);
  std::string stats = ReadFile(scratch / "stats.txt");
  EXPECT_NE(stats.find("frames: "), std::string::npos) << stats;
  EXPECT_NE(stats.find("update+draw ms: min "), std::string::npos) << stats;
  EXPECT_NE(stats.find("present ms: min "), std::string::npos) << stats;
}

TEST(AppHarness, TheWholeControllerTableCanBeDrivenFromAScript) {
  ScratchDir scratch;
  // Menu -> credits -> menu -> new quest -> story (MAPA) -> map (CONTINUE) -> story 1 -> the
  // game screen, which is a real level now (winning it is the game screen's own tests' job).
  auto click = [](int row) { return "click 512 " + std::to_string(RowY(row)) + "\nwait 60\n"; };
  std::string script = "wait 200\n" + click(2) + click(0) + click(0) + click(0) + click(2) +
                       click(1) + "wait 30\nstate end.txt\n";
  GameRun run = RunScripted(scratch, script);
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("where = 1\nwhere = 5\nwhere = 1\nwhere = 101\nwhere = 3\nwhere = "
                            "4\nwhere = 103\nwhere = 3\nwhere = 2\n"),
            std::string::npos)
      << run.output;
  EXPECT_EQ(Field(ReadFile(scratch / "end.txt"), "where"), "2");
}

TEST(AppHarness, CloseEndsTheRunAndScriptErrorsExitTwo) {
  ScratchDir scratch;
  GameRun closed = RunScripted(scratch, "wait 200\nclose\nwait 500\nstate never.txt\n");
  EXPECT_EQ(closed.status, 0) << closed.output;
  EXPECT_EQ(ReadFile(scratch / "never.txt"), "");
  GameRun bad = RunScripted(scratch, "wait 1\n\nfly 3\n");
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.output.find("line 3: unknown command \"fly\""), std::string::npos) << bad.output;
}

TEST(AppHarness, CommandLineErrorsPointToHelp) {
  std::string out = ScratchDir().path();
  int raw = std::system(("'" + GameBinary() + "' --no-such-flag > /dev/null 2>&1").c_str());
  EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2);
  raw = std::system(("'" + GameBinary() + "' --help > /dev/null 2>&1").c_str());
  EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 0);
}

TEST(AppHarness, CheckDataReportsEachProblemAndFails) {
  ScratchDir scratch;
  WriteFile(scratch / "game/txt/en/name.txt", "");
  std::string command = "'" + GameBinary() + "' --check-data --datadir '" + scratch.path() +
                        "' > '" + (scratch / "out.txt") + "' 2>&1";
  int raw = std::system(command.c_str());
  EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1);
  std::string out = ReadFile(scratch / "out.txt");
  EXPECT_NE(out.find("game/txt/en/name.txt: empty"), std::string::npos) << out;
  EXPECT_NE(out.find("game/gfx/gui/mouse.png: missing"), std::string::npos) << out;
}

TEST(AppHarness, InstalledProgramFindsItsDataUnderShare) {
  ScratchDir scratch;
  std::filesystem::create_directories(scratch / "bin");
  std::filesystem::copy_file(GameBinary(), scratch / "bin/kelvaroth");
  std::filesystem::permissions(scratch / "bin/kelvaroth", std::filesystem::perms::owner_all);
  // An empty title file tells this tree from any other the program could find.
  WriteFile(scratch / "share/kelvaroth/game/txt/en/name.txt", " \n");
  std::string command = "cd / && '" + (scratch / "bin/kelvaroth") + "' --check-data > '" +
                        (scratch / "out.txt") + "' 2>&1";
  int raw = std::system(command.c_str());
  EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1);
  EXPECT_NE(ReadFile(scratch / "out.txt").find("game/txt/en/name.txt: empty"), std::string::npos)
      << ReadFile(scratch / "out.txt");
}
