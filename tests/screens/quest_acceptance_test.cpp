// End to end: the real program, headless, plays a new quest's first level to victory with real
// moves, and the saved game it leaves in the user folder is resumed by a second run.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>

#include "test_support.h"
#include "textdata/rcm_entry.h"
#include "textdata/rcm_file.h"

using testing_support::BuildDir;
using testing_support::GameBinary;
using testing_support::ReadFile;
using testing_support::ScratchDir;
using testing_support::SourceDir;

namespace {

struct GameRun {
  int status = -1;
  std::string output;
};

// Runs the program headless with a committed script in the scratch folder (where the script's
// dumps land), keeping its profiles in scratch/user.
GameRun RunScript(const ScratchDir& scratch, const std::string& script) {
  const std::string command =
      "cd '" + scratch.path() + "' && '" + GameBinary() + "' --headless --seed 1 --userdir '" +
      (scratch / "user") + "' --datadir '" + BuildDir() + "' --script '" + SourceDir() +
      "/tests/screens/scripts/" + script + "' > '" + (scratch / "out.txt") + "' 2>&1";
  GameRun run;
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.output = ReadFile(scratch / "out.txt");
  return run;
}

// A value as written, without the blanks around it.
std::string Trimmed(const std::string& v) {
  const size_t first = v.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return v.substr(first, v.find_last_not_of(" \t") - first + 1);
}

// All values of an entry as one text ("" when the entry is missing).
std::string Values(TRCMFile& file, const std::string& key) {
  TRCMEntry* entry = file.findEntry(key);
  if (!entry) return "";
  std::string text;
  for (const std::string& v : entry->_value) text += (text.empty() ? "" : ", ") + Trimmed(v);
  return text;
}

int Number(TRCMFile& file, const std::string& key) {
  return static_cast<int>(file.getFloat(key, 0));
}

// The marked cells (tile kind 2) of a level file's board.
int MarkedCells(TRCMFile& level) {
  int marked = 0;
  for (int r = 0; r < 8; ++r) {
    TRCMEntry* row = level.findEntry("level::tile::row" + std::to_string(r));
    if (!row) continue;
    for (const std::string& v : row->_value) marked += Trimmed(v) == "2";
  }
  return marked;
}

// The board of a level (tiles and chips, row by row) as one text, to compare two files.
std::string Board(TRCMFile& level) {
  std::string text = Values(level, "level::data::size") + "\n";
  for (const char* part : {"tile", "chips"}) {
    for (int r = 0; r < 8; ++r)
      text += Values(level, std::string("level::") + part + "::row" + std::to_string(r)) + "\n";
  }
  return text;
}

}  // namespace

TEST(QuestAcceptance, NewQuestWinsTheFirstLevelAndASecondRunResumesTheNext) {
  testing_support::MediaScope media;  // the data-file reader goes through the media layer
  ASSERT_TRUE(media.ok());
  ScratchDir scratch;
  const std::string id = "80-76-65-89-69-82-";  // the start profile "PLAYER"
  auto level2 = LoadRCM(BuildDir() + "/game/data/levels/level-2.txt");
  ASSERT_GT(MarkedCells(*level2), 0) << Board(*level2);

  // First run: a new quest, level 1 won by three swaps, the map with level 2 waiting.
  GameRun first = RunScript(scratch, "quest_first_level.txt");
  ASSERT_EQ(first.status, 0) << first.output;
  EXPECT_NE(first.output.find("where = 1\nwhere = 101\nwhere = 3\nwhere = 2\n"), std::string::npos)
      << first.output;
  EXPECT_NE(first.output.find("where = 102\nwhere = 4\n"), std::string::npos) << first.output;

  auto menu = LoadRCM(scratch / "menu.txt");
  EXPECT_EQ(menu->getString("state::screen", 0), "MainMenu");
  EXPECT_EQ(Number(*menu, "profile::profiles"), 0);  // no profile before the quest starts
  EXPECT_EQ(menu->getString("profile::name", 0), "");

  auto tutorial = LoadRCM(scratch / "tutorial.txt");
  EXPECT_EQ(tutorial->getString("state::screen", 0), "Tutorial");

  auto play = LoadRCM(scratch / "play.txt");
  EXPECT_EQ(play->getString("state::screen", 0), "TMainGame");
  EXPECT_EQ(play->getString("profile::name", 0), "PLAYER");
  EXPECT_EQ(play->getString("profile::id", 0), id);
  EXPECT_EQ(Number(*play, "profile::profiles"), 1);
  EXPECT_EQ(Number(*play, "profile::questLevelId"), 1);
  EXPECT_EQ(Number(*play, "profile::highestLevel"), 1);
  EXPECT_EQ(Number(*play, "profile::cash"), 0);
  EXPECT_EQ(Number(*play, "profile::actScreen"), 2);
  EXPECT_EQ(Number(*play, "profile::musicN"), 1);  // the first level track started
  EXPECT_EQ(Number(*play, "game::tilesCount"), 9);

  // Each swap clears three marked cells and earns cash.
  auto move1 = LoadRCM(scratch / "move1.txt");
  auto move2 = LoadRCM(scratch / "move2.txt");
  EXPECT_EQ(Number(*move1, "game::tilesCount"), 6);
  EXPECT_EQ(Number(*move2, "game::tilesCount"), 3);
  EXPECT_GT(Number(*move1, "profile::cash"), 0);
  EXPECT_GT(Number(*move2, "profile::cash"), Number(*move1, "profile::cash"));

  auto won = LoadRCM(scratch / "won.txt");
  EXPECT_EQ(Number(*won, "game::tilesCount"), 0);
  EXPECT_EQ(Number(*won, "game::state"), 2);  // victory
  EXPECT_EQ(won->getString("state::screen", 0), "LevelSummary");
  const int cash = Number(*won, "profile::cash");
  EXPECT_GE(cash, Number(*move2, "profile::cash"));

  auto map = LoadRCM(scratch / "map.txt");
  EXPECT_EQ(Number(*map, "state::where"), 4);
  EXPECT_EQ(Number(*map, "profile::questLevelId"), 2);
  EXPECT_EQ(Number(*map, "profile::highestLevel"), 2);
  EXPECT_EQ(Number(*map, "profile::actScreen"), 4);
  EXPECT_EQ(Number(*map, "profile::cash"), cash);

  // The user folder holds exactly that state: one profile, on level 2, with its cash, and the
  // next level's board as the level in progress.
  const std::string profiles = scratch / "user/Profiles";
  std::set<std::string> folders;
  for (const auto& e : std::filesystem::directory_iterator(profiles))
    if (e.is_directory()) folders.insert(e.path().filename().string());
  EXPECT_EQ(folders, std::set<std::string>{id});
  EXPECT_FALSE(std::filesystem::exists(scratch / "user/profiles"));

  auto list = LoadRCM(profiles + "/profiles.dat");
  EXPECT_EQ(Number(*list, "profiles::i"), 1);
  EXPECT_EQ(Number(*list, "profiles::actProfile"), 1);
  EXPECT_EQ(list->getString("profiles::profile1", 0), id);

  auto saved = LoadRCM(profiles + "/" + id + "/profile.dat");
  EXPECT_EQ(saved->getString("profile::data::name", 0), "PLAYER");
  const struct {
    const char* key;
    int value;
  } kSaved[] = {{"level", 2},        {"stage", 1},   {"cash", cash},  {"actScreen", 4},
                {"highestLevel", 2}, {"musicN", 1},  {"powerUp0", 0}, {"powerUp1", 0},
                {"powerUp2", 0},     {"powerUp3", 0}};
  for (const auto& k : kSaved)
    EXPECT_EQ(Number(*saved, std::string("profile::data::") + k.key), k.value) << k.key;
  EXPECT_EQ(Number(*saved, "profile::artifacts::i"), 0);

  auto inProgress = LoadRCM(profiles + "/" + id + "/level.txt");
  EXPECT_EQ(Board(*inProgress), Board(*level2));

  // Second run on the same folder: RESUME leads to the map, CONTINUE into level 2.
  for (const char* dump : {"menu.txt", "map.txt", "tutorial.txt", "play.txt"})
    std::filesystem::remove(scratch / dump);
  GameRun second = RunScript(scratch, "quest_resume.txt");
  ASSERT_EQ(second.status, 0) << second.output;
  EXPECT_NE(second.output.find("where = 1\nwhere = 104\nwhere = 4\nwhere = 103\nwhere = 2\n"),
            std::string::npos)
      << second.output;

  auto menu2 = LoadRCM(scratch / "menu.txt");
  EXPECT_EQ(menu2->getString("state::screen", 0), "MainMenu");
  EXPECT_EQ(menu2->getString("profile::id", 0), id);
  EXPECT_EQ(Number(*menu2, "profile::profiles"), 1);
  EXPECT_EQ(Number(*menu2, "profile::questLevelId"), 2);
  EXPECT_EQ(Number(*menu2, "profile::highestLevel"), 2);
  EXPECT_EQ(Number(*menu2, "profile::cash"), cash);
  EXPECT_EQ(Number(*menu2, "profile::actScreen"), 4);
  EXPECT_EQ(Number(*menu2, "profile::musicN"), 1);

  EXPECT_EQ(LoadRCM(scratch / "map.txt")->getString("state::screen", 0), "MapScreen");
  EXPECT_EQ(LoadRCM(scratch / "tutorial.txt")->getString("state::screen", 0), "Tutorial");

  auto play2 = LoadRCM(scratch / "play.txt");
  EXPECT_EQ(play2->getString("state::screen", 0), "TMainGame");
  EXPECT_EQ(Number(*play2, "game::questLevelId"), 2);
  EXPECT_EQ(Number(*play2, "game::state"), 0);
  EXPECT_EQ(Number(*play2, "game::tilesCount"), MarkedCells(*level2));
  EXPECT_EQ(Number(*play2, "profile::actScreen"), 2);
  EXPECT_EQ(Number(*play2, "profile::cash"), cash);
  EXPECT_EQ(Number(*play2, "profile::musicN"), 2);  // the level music carried on to track 2
  EXPECT_EQ(Board(*play2), Board(*level2));
}
