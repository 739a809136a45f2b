#include "screens/profile_hooks.h"

#include <string>

#include "app/globals.h"
#include "app/state_dump.h"
#include "audio/sound_hooks.h"
#include "screens/profile.h"
#include "screens/profile_manager.h"
#include "textdata/rcm_file.h"

namespace {

void SetNumber(TRCMFile& file, const std::string& key, int value, int index = 0) {
  file.setFloat("profile::" + key, static_cast<float>(value), index);
}

}  // namespace

void WriteProfileState(TRCMFile& file) {
  const TProfile* p = Profile;
  file.setString("profile::name", p ? p->name : "", 0);
  file.setString("profile::id", p ? MakeProfileId(*p) : "", 0);
  SetNumber(file, "questLevelId", p ? p->questLevelId : 0);
  SetNumber(file, "questStageId", p ? p->questStageId : 0);
  SetNumber(file, "highestLevel", p ? p->highestLevel : 0);
  SetNumber(file, "cash", p ? p->cash : 0);
  SetNumber(file, "actScreen", p ? p->actScreen : 0);
  SetNumber(file, "musicN", p ? p->musicN : 0);
  for (int i = 0; i < 4; ++i)
    SetNumber(file, "unlockedPowerUp", p ? p->unlockedPowerUp[static_cast<size_t>(i)] : 0, i);
  // The owned artifacts' ids in the order they were found, as a list like the level files'.
  std::string ids;
  if (p) {
    for (const TArtifactPtr& a : p->artifacts) {
      if (!ids.empty()) ids += ' ';
      ids += std::to_string(a ? a->id : 0);
    }
  }
  SetNumber(file, "artifactCount", p ? static_cast<int>(p->artifacts.size()) : 0);
  file.setString("profile::artifacts", ids, 0);
  SetNumber(file, "profiles",
            ProfileManager ? static_cast<int>(ProfileManager->profiles.size()) : 0);
}

int* ProfileMusicCounter() {
  return Profile ? &Profile->musicN : nullptr;
}

void RegisterProfileHooks() {
  RegisterStateWriter("profile", WriteProfileState);
  SetMusicCounterSource(ProfileMusicCounter);
}
