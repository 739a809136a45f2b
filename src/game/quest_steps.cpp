#include "game/quest_steps.h"

#include "app/globals.h"
#include "game/controller.h"
#include "screens/profile.h"
#include "screens/profile_manager.h"

void RegisterQuestSteps() {
  QuestSteps.startNew = [] {
    TProfile* p = CurrentOrStartProfile();
    return p ? p->QUEST_StartNew() : 3;
  };
  QuestSteps.nextLevel = [] {
    TProfile* p = CurrentOrStartProfile();
    return p ? p->QUEST_NextLevel() : 4;
  };
  QuestSteps.continueQuest = [] {
    TProfile* p = CurrentOrStartProfile();
    return p ? p->QUEST_Continue() : 4;
  };
  QuestSteps.questLevelId = [] { return Profile ? Profile->questLevelId : 1; };
}
