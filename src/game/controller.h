// The screen controller: one endless loop that runs a top-level screen or a quest step by id,
// the id each returns naming what runs next.
#pragma once

#include <functional>
#include <string>

#include "app/controller_state.h"

class Control {
 public:
  // Runs the steps for ever; the process ends from inside a step.
  static int mainloop();
  // After the map's "CONTINUE": the story told before the current level, else the game.
  static int CHECK_AfterMap();
  // One pass of mainloop: prints "where = ", runs the step, stores its result; handles id 0 and
  // ids outside the table.
  static void RunPass();
};

// The name a step id stores in lastScreen; null for ids outside the table.
const char* StepName(int id);
// The story number told before questLevelId when continuing from the map; 0 for none.
int StoryBeforeLevel(int questLevelId);

// What the controller needs from the current profile. The profile code sets these once it
// exists; until then a new quest starts with story 0, the next level returns to the map, resuming
// goes to the map and the quest stands at level 1.
struct TQuestSteps {
  std::function<int()> startNew;       // id 101: QUEST_StartNew
  std::function<int()> nextLevel;      // id 102: QUEST_NextLevel
  std::function<int()> continueQuest;  // id 104: QUEST_Continue
  std::function<int()> questLevelId;   // the current profile's questLevelId
};
extern TQuestSteps QuestSteps;
