// The data check over a small game folder: damaged RCM files, text files and the catalogue.
#include <gtest/gtest.h>

#include <algorithm>

#include "test_support.h"
#include "textdata/check_text_data.h"

namespace {

using testing_support::ScratchDir;
using testing_support::WriteFile;

bool HasProblem(const std::vector<std::string>& problems, const std::string& start,
                const std::string& part) {
  return std::any_of(problems.begin(), problems.end(), [&](const std::string& p) {
    return p.rfind(start, 0) == 0 && p.find(part) != std::string::npos;
  });
}

std::string FullCatalogue() {
  const char* music[] = {"title", "mapa", "level-1", "level-2", "level-3", "win"};
  const char* effects[] = {"moveUp",     "moveDown", "button", "move-0",     "move-1",
                           "move-2",     "mark1",    "mark2",  "match",      "chain",
                           "skull",      "cash",     "no",     "hint",       "shuffle",
                           "createBomb", "bomb",     "bomb2",  "powerUpUse", "unlockPowerUp"};
  std::string text = "globalSnd {\n\tmusics = 6\n\tsounds = 20\n";
  for (int i = 0; i < 6; ++i) {
    text += "\tmusic" + std::to_string(i + 1) + " {\n\t\tid = \"" + music[i] +
            "\"\n\t\tloop = 1\n\t\turl = \"snd/m.ogg\"\n\t}\n";
  }
  for (int i = 0; i < 20; ++i) {
    text += "\tsnd" + std::to_string(i + 1) + " {\n\t\tid = \"" + effects[i] +
            "\"\n\t\turl = \"snd/e.wav\"\n\t}\n";
  }
  return text + "}\n";
}

TEST(TextdataCheckData, CleanFolderHasNoProblems) {
  ScratchDir game;
  WriteFile(game / "data/globalSnd.txt", FullCatalogue());
  WriteFile(game / "snd/m.ogg", "x");
  WriteFile(game / "snd/e.wav", "x");
  WriteFile(game / "data/levels/level-1.txt", "level {\n\tname = \"One\"\n\tsize = 8, 8\n}\n");
  WriteFile(game / "txt/en/menu.txt", "Play\nOptions\n");
  std::vector<std::string> problems;
  EXPECT_EQ(CheckTextData(game.path(), problems), 0);
  EXPECT_TRUE(problems.empty()) << problems.front();
}

TEST(TextdataCheckData, ReportsEachKindOfProblem) {
  ScratchDir game;
  std::string catalogue = FullCatalogue();
  catalogue.replace(catalogue.find("\"hint\""), 6, "\"hinted\"");
  WriteFile(game / "data/globalSnd.txt", catalogue);
  WriteFile(game / "snd/e.wav", "x");  // every music url names no file
  WriteFile(game / "data/braces.txt", "g {\n\ta = \"}\"\n");
  WriteFile(game / "data/lost.txt", "g {\n\ta = 1 }\nb = 2");
  WriteFile(game / "data/strings.txt", "g {\n\ts =\"x\"\n\tt = \"ok\"\n}\n");
  WriteFile(game / "data/deep.txt", std::string(70, '{') + std::string(70, '}'));
  WriteFile(game / "txt/en/empty.txt", "");
  std::vector<std::string> problems;
  CheckTextData(game.path(), problems);
  const std::string root = game.path() + "/";
  EXPECT_TRUE(HasProblem(problems, root + "data/braces.txt: ", "unbalanced braces, 1"));
  EXPECT_TRUE(HasProblem(problems, root + "data/lost.txt: ", "line 2: the entry \"a = 1\""));
  EXPECT_TRUE(HasProblem(problems, root + "data/lost.txt: ", "line 3: the entry \"b = 2\""));
  EXPECT_TRUE(HasProblem(problems, root + "data/strings.txt: ", "line 2: the string value"));
  EXPECT_FALSE(HasProblem(problems, root + "data/strings.txt: ", "line 3"));
  EXPECT_TRUE(HasProblem(problems, root + "data/deep.txt: ", "nested 70 deep"));
  EXPECT_TRUE(HasProblem(problems, root + "txt/en/empty.txt: ", "empty"));
  EXPECT_TRUE(HasProblem(problems, root + "data/globalSnd.txt: ", "music1::url names no file"));
  EXPECT_TRUE(HasProblem(problems, root + "data/globalSnd.txt: ", "no entry for the id \"hint\""));
  EXPECT_FALSE(HasProblem(problems, root + "data/globalSnd.txt: ", "snd1::url"));
}

TEST(TextdataCheckData, MissingCatalogueIsReported) {
  ScratchDir game;
  std::vector<std::string> problems;
  EXPECT_EQ(CheckTextData(game.path(), problems), 1);
  EXPECT_EQ(problems[0], game.path() + "/data/globalSnd.txt: missing (the game is silent)");
}

}  // namespace
