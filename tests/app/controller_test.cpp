// The screen controller: every row of the transition table, CHECK_AfterMap, the id-0 error path
// and ids outside the table.
#include "game/controller.h"

#include <gtest/gtest.h>

#include "app_fixture.h"
#include "screens/all_screens.h"

namespace {

// Top-level screens that return a chosen result at once.
int nextResult = 0;
int runs = 0;
struct FakeMenu : TMainMenu {
  int mainLoop() override { return ++runs, nextResult; }
};
struct FakeGame : TMainGame {
  int mainLoop() override { return ++runs, nextResult; }
};
struct FakeStory : TStoryScreen {
  int mainLoop() override { return ++runs, nextResult; }
};
struct FakeMap : TMapScreen {
  int mainloop() override { return ++runs, nextResult; }
};
struct FakeCredits : TCredits {
  int mainloop() override { return ++runs, 1; }
};
struct FakePuzzle : TArtPuzzle {
  int mainloop() override {
    ++runs;
    StoryScreen->LoadStory(11);
    return 3;
  }
};

class AppController : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    MainMenu = &menu;
    MainGame = &game;
    StoryScreen = &story;
    MapScreen = &map;
    Credits = &credits;
    ArtPuzzle = &puzzle;
    QuestSteps = TQuestSteps();
    where = 1;
    lastScreen.clear();
    runs = 0;
  }
  void TearDown() override {
    QuestSteps = TQuestSteps();
    AppFixture::TearDown();
  }
  FakeMenu menu;
  FakeGame game;
  FakeStory story;
  FakeMap map;
  FakeCredits credits;
  FakePuzzle puzzle;
};

}  // namespace

TEST_F(AppController, EveryRowOfTheTransitionTable) {
  int questLevel = 7;
  QuestSteps.startNew = [] {
    StoryScreen->LoadStory(0);
    return 3;
  };
  QuestSteps.nextLevel = [] { return 4; };
  int actScreen = 0;
  QuestSteps.continueQuest = [&] { return actScreen; };
  QuestSteps.questLevelId = [&] { return questLevel; };
  struct Row {
    int from;
    int result;  // what the screen returns (quest steps: what the profile answers)
    int next;
    const char* name;
  } rows[] = {
      {1, 101, 101, "mainMenu"},
      {1, 104, 104, "mainMenu"},
      {1, 5, 5, "mainMenu"},
      {101, 3, 3, "StartNewGame"},
      {104, 4, 4, "Continueing game"},
      {104, 2, 2, "Continueing game"},
      {104, 6, 6, "Continueing game"},
      {3, 4, 4, "StoryScreen"},
      {3, 2, 2, "StoryScreen"},
      {3, 5, 5, "StoryScreen"},
      {4, 2, 2, "MapScreen"},
      {4, 1, 1, "MapScreen"},
      {4, 103, 103, "MapScreen"},
      {103, 2, 2, "Continuing after map"},
      {2, 102, 102, "mainGame"},
      {2, 6, 6, "mainGame"},
      {2, 1, 1, "mainGame"},
      {2, 4, 4, "mainGame"},
      {102, 4, 4, "QuestNextLevel"},
      {6, 3, 3, "Puzzle"},
      {5, 1, 1, "CREDITS"},
  };
  for (const Row& row : rows) {
    where = row.from;
    nextResult = row.result;
    actScreen = row.result;
    story.storyNumber = -1;
    testing::internal::CaptureStdout();
    Control::RunPass();
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "where = " + std::to_string(row.from) + "\n") << row.from;
    EXPECT_EQ(where, row.next) << "from " << row.from << " result " << row.result;
    EXPECT_EQ(lastScreen, row.name) << row.from;
    if (row.from == 101) {
      EXPECT_EQ(story.storyNumber, 0);
    }
    if (row.from == 6) {
      EXPECT_EQ(story.storyNumber, 11);
    }
  }
}

TEST_F(AppController, CheckAfterMapTellsTheStoryOfItsLevels) {
  int level = 0;
  QuestSteps.questLevelId = [&] { return level; };
  const int storyLevels[] = {1, 10, 24, 34, 50, 60, 70, 80, 90, 96};
  for (int i = 0; i < 10; ++i) {
    level = storyLevels[i];
    story.storyNumber = -1;
    EXPECT_EQ(Control::CHECK_AfterMap(), 3) << level;
    EXPECT_EQ(story.storyNumber, i + 1) << level;
  }
  for (int other : {0, 2, 9, 11, 23, 25, 95, 97, 100}) {
    level = other;
    story.storyNumber = -1;
    EXPECT_EQ(Control::CHECK_AfterMap(), 2) << other;
    EXPECT_EQ(story.storyNumber, -1) << other;
  }
  // Through the controller: continuing at level 24 shows story 3.
  level = 24;
  where = 103;
  testing::internal::CaptureStdout();
  Control::RunPass();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(where, 3);
  EXPECT_EQ(story.storyNumber, 3);
}

TEST_F(AppController, WithoutProfileCodeTheQuestStepsStillLeadOn) {
  struct Row {
    int from, next;
  } rows[] = {{101, 3}, {102, 4}, {104, 4}, {103, 3}};  // 103: level 1 tells story 1
  for (const Row& row : rows) {
    where = row.from;
    testing::internal::CaptureStdout();
    Control::RunPass();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(where, row.next) << row.from;
  }
}

TEST_F(AppController, IdZeroReportsTheLastScreenAndEndsTheGame) {
  where = 3;
  nextResult = 0;  // a story with no recognised end
  testing::internal::CaptureStdout();
  int status = -1;
  try {
    Control::RunPass();
  } catch (const GameEnded& end) {
    status = end.status;
  }
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(status, 1);
  EXPECT_NE(out.find("where = 3\n"), std::string::npos);
  EXPECT_NE(out.find("zwrocono wartosc 0 z ekranu StoryScreen\n"), std::string::npos) << out;
  EXPECT_NE(out.find("Some bug with screen changing - lastScreen:StoryScreen"), std::string::npos)
      << out;
}

TEST_F(AppController, IdsOutsideTheTableReportAndReturnToTheMenu) {
  for (int bad : {7, 100, 105, -1, 3000}) {
    where = 104;
    QuestSteps.continueQuest = [bad] { return bad; };  // a damaged saved actScreen
    testing::internal::CaptureStdout();
    Control::RunPass();
    EXPECT_EQ(where, bad);
    Control::RunPass();
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(where, 1) << bad;
    EXPECT_NE(out.find("zwrocono wartosc " + std::to_string(bad) + " z ekranu Continueing game"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("Some bug with screen changing - lastScreen:Continueing game"),
              std::string::npos);
    runs = 0;
    nextResult = 5;
    testing::internal::CaptureStdout();
    Control::RunPass();  // the main menu runs next
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(where, 5);
  }
}

TEST_F(AppController, StepNamesAreTheTablesNames) {
  EXPECT_STREQ(StepName(1), "mainMenu");
  EXPECT_STREQ(StepName(104), "Continueing game");
  EXPECT_EQ(StepName(0), nullptr);
  EXPECT_EQ(StepName(7), nullptr);
}
