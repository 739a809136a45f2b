#include "game/game_parts.h"

#include "app/state_dump.h"
#include "app/update_common.h"
#include "audio/global_snd.h"
#include "audio/sound_hooks.h"
#include "game/quest_steps.h"
#include "match3/board_hooks.h"
#include "match3/main_game.h"
#include "screens/options.h"
#include "screens/profile_hooks.h"
#include "screens/profile_manager.h"

namespace {

// What SaveAll writes: the settings, then every profile (after the profile list).
void SaveEverything() {
  if (Options) Options->SaveSettings();
  if (ProfileManager) ProfileManager->saveProfiles();
}

}  // namespace

void RegisterGameParts() {
  InstallCommonHooks({
      [] {
        if (GlobalSnd) GlobalSnd->update();
      },
      [] {
        if (Options) Options->SwitchScreen();
      },
      SaveEverything,
  });
  SetVolumeStepSources([] { return Options ? Options->soundVol : 5; },
                       [] { return Options ? Options->musicVol : 5; });
  RegisterStateWriter("game", WriteGameScreenState);
  RegisterBoardHooks();
  RegisterProfileHooks();
  RegisterQuestSteps();
}
