#include "screens/profile_manager.h"

#include "app/globals.h"
#include "screens/profile_list.h"

const TScreenDescriptor kProfileManagerScreen = {
    "ProfileManager",
    "gfx/gui/profileManager/#LANG#/profileManager.gui",
    {"OK", "NEW", "DELETE", "RENAME"},
    {},
};

TProfileManager* ProfileManager = nullptr;

TProfileManager::TProfileManager() : TPlaceholderScreen(kProfileManagerScreen, kModal) {
  LeaveOnClick("OK", 0);
}

int TProfileManager::mainloop() {
  return run(ScreenOnShow());
}

int TProfileManager::saveProfiles() {
  return SaveProfileList(profiles, loadedOnce);
}

int TProfileManager::loadProfiles() {
  return LoadProfileList(profiles, loadedOnce);
}

TProfilePtr TProfileManager::CreateStartProfile() {
  return CreateStartProfileIn(profiles, txtPlayer);
}

TProfile* CurrentOrStartProfile() {
  if (!Profile && ProfileManager) Profile = ProfileManager->CreateStartProfile().get();
  return Profile;
}
