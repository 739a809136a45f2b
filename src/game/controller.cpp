#include "game/controller.h"

#include "app/update_common.h"
#include "media/media.h"
#include "screens/all_screens.h"

TQuestSteps QuestSteps;

namespace {

struct Step {
  int id;
  const char* name;
};
constexpr Step kSteps[] = {
    {1, "mainMenu"},           {2, "mainGame"},         {3, "StoryScreen"},
    {4, "MapScreen"},          {5, "CREDITS"},          {6, "Puzzle"},
    {101, "StartNewGame"},     {102, "QuestNextLevel"}, {103, "Continuing after map"},
    {104, "Continueing game"},
};

int RunStep(int id) {
  switch (id) {
    case 1:
      return MainMenu->mainLoop();
    case 2:
      return MainGame->mainLoop();
    case 3:
      return StoryScreen->mainLoop();
    case 4:
      return MapScreen->mainloop();
    case 5:
      return Credits->mainloop();
    case 6:
      return ArtPuzzle->mainloop();
    case 101:
      if (QuestSteps.startNew) return QuestSteps.startNew();
      StoryScreen->LoadStory(0);
      return 3;
    case 102:
      if (QuestSteps.nextLevel) return QuestSteps.nextLevel();
      return 4;
    case 103:
      return Control::CHECK_AfterMap();
    case 104:
      if (QuestSteps.continueQuest) return QuestSteps.continueQuest();
      return 4;
  }
  return 0;
}

}  // namespace

const char* StepName(int id) {
  for (const Step& step : kSteps)
    if (step.id == id) return step.name;
  return nullptr;
}

int StoryBeforeLevel(int questLevelId) {
  static constexpr int kLevels[] = {1, 10, 24, 34, 50, 60, 70, 80, 90, 96};
  for (int i = 0; i < 10; ++i)
    if (kLevels[i] == questLevelId) return i + 1;
  return 0;
}

int Control::CHECK_AfterMap() {
  int level = QuestSteps.questLevelId ? QuestSteps.questLevelId() : 1;
  int story = StoryBeforeLevel(level);
  if (story == 0) return 2;
  StoryScreen->LoadStory(story);
  return 3;
}

void Control::RunPass() {
  PrintLine("where = " + std::to_string(where));
  const char* name = StepName(where);
  if (name == nullptr) {
    // An id no step produces (a damaged saved profile): report it and go back to the menu rather
    // than spin for ever without a frame.
    PrintLine("zwrocono wartosc " + std::to_string(where) + " z ekranu " + lastScreen);
    PrintLine("Some bug with screen changing - lastScreen:" + lastScreen);
    where = 1;
    return;
  }
  lastScreen = name;
  where = RunStep(where);
  if (where == 0) {
    PrintLine("zwrocono wartosc 0 z ekranu " + lastScreen);
    ShowMessageBox("Some bug with screen changing - lastScreen:" + lastScreen, 0);
    EndGame(1);
  }
}

int Control::mainloop() {
  for (;;) RunPass();
}
