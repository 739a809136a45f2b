#include "screens/profile_manager.h"

#include "app/globals.h"
#include "screens/profile_list.h"

TProfileManager* ProfileManager = nullptr;

TProfileManager::TProfileManager() : TPlainScreen("ProfileManager", {{"OK", 0}}) {}

int TProfileManager::mainloop() {
  return runPlain(ScreenOnShow());
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
