#include "screens/quest_steps.h"

#include "app/controller.h"
#include "app/globals.h"
#include "screens/profile.h"
#include "screens/profile_manager.h"

namespace {

// The quest always runs on a profile: the first run has none yet, so make the start profile as
// the profile manager would.
TProfile* CurrentProfile() {
  if (!Profile && ProfileManager) Profile = ProfileManager->CreateStartProfile().get();
  return Profile;
}

}  // namespace

void RegisterQuestSteps() {
  QuestSteps.startNew = [] {
    TProfile* p = CurrentProfile();
    return p ? p->QUEST_StartNew() : 3;
  };
  QuestSteps.nextLevel = [] {
    TProfile* p = CurrentProfile();
    return p ? p->QUEST_NextLevel() : 4;
  };
  QuestSteps.continueQuest = [] {
    TProfile* p = CurrentProfile();
    return p ? p->QUEST_Continue() : 4;
  };
  QuestSteps.questLevelId = [] { return Profile ? Profile->questLevelId : 1; };
}
