// A level named on the command line: which file it means, and whether it joins the quest.
#include <gtest/gtest.h>

#include "match3/game_screen_fixture.h"
#include "match3/level.h"
#include "screens/single_level.h"

using game_test::Board;
using game_test::GameScreenTest;

TEST(SingleLevelArgument, DigitsNameAQuestLevelAndAnythingElseAFile) {
  struct Case {
    const char* value;
    int number;
    const char* path;
    const char* name;
  };
  const Case cases[] = {
      {"12", 12, "game/data/levels/level-12.txt", "data/levels/level-12.txt"},
      {"007", 7, "game/data/levels/level-7.txt", "data/levels/level-7.txt"},
      {"my.txt", 0, "/home/ann/my.txt", "my.txt"},
      {"12a", 0, "/home/ann/12a", "12a"},
      {"/levels/x.txt", 0, "/levels/x.txt", "/levels/x.txt"},
      {"../up.txt", 0, "/home/ann/../up.txt", "../up.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    TSingleLevel request = SingleLevelFromArgument(c.value, "/home/ann");
    EXPECT_EQ(request.number, c.number);
    EXPECT_EQ(request.path, c.path);
    EXPECT_EQ(request.name, c.name);
  }
}

class SingleLevelStart : public GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    if (!Delta) Delta = TDeltaTime::Create(60);
  }
  TSingleLevel Request(int number) {
    WriteFile(dir / "one.txt", Board({"1, 2, 3", "2, 3, 1", "3, 1, 2"}).str());
    TSingleLevel request;
    request.number = number;
    request.path = dir / "one.txt";
    request.name = "one.txt";
    return request;
  }
  static void WriteFile(const std::string& path, const std::string& text) {
    testing_support::WriteFile(path, text);
  }
};

TEST_F(SingleLevelStart, TheProfilesCurrentQuestLevelJoinsTheQuest) {
  // The fixture's profile stands at quest level 5.
  EXPECT_EQ(StartSingleLevel(Request(5)), 2);
  ASSERT_TRUE(game.level);
  EXPECT_EQ(profile.questLevel, game.level);
  EXPECT_FALSE(game.outsideQuest);
  EXPECT_EQ(game.levelNumber(), 5);
  game.prepare();
  EXPECT_EQ(profile.actScreen, 2) << "the quest's own level is resumed into";
}

TEST_F(SingleLevelStart, AnyOtherLevelIsPlayedOutsideTheQuest) {
  TLevelPtr own = profile.questLevel;
  profile.actScreen = 4;
  for (int number : {3, 0}) {
    SCOPED_TRACE(number);
    EXPECT_EQ(StartSingleLevel(Request(number)), 2);
    ASSERT_TRUE(game.level);
    EXPECT_EQ(profile.questLevel, own) << "the quest's level stays";
    EXPECT_TRUE(game.outsideQuest);
    EXPECT_EQ(game.levelNumber(), number);
    EXPECT_EQ(game.levelName, "one.txt");
    game.prepare();
    EXPECT_EQ(profile.actScreen, 4) << "nothing to resume into";
    EXPECT_EQ(profile.questLevelId, 5);
    EXPECT_TRUE(game.tutorials.empty());
  }
}
