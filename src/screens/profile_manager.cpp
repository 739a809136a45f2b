#include "screens/profile_manager.h"

TProfileManager* ProfileManager = nullptr;

TProfileManager::TProfileManager() : TPlainScreen("ProfileManager", {{"OK", 0}}) {}

int TProfileManager::mainloop() {
  return runPlain(ScreenOnShow());
}

int TProfileManager::saveProfiles() {
  return 0;
}
