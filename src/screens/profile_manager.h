// The profile manager (modal, opened from the main menu) and the list of player profiles it
// owns. The screen is a placeholder that a click anywhere closes.
#pragma once

#include <string>

#include "screens/placeholder_screen.h"
#include "screens/profile.h"

extern const TScreenDescriptor kProfileManagerScreen;

class TProfileManager : public TPlaceholderScreen {
 public:
  TProfileManager();
  virtual int mainloop();
  // Writes every profile and then the profile list (never before the list was read).
  virtual int saveProfiles();
  // Reads the profile list and every listed profile; sets the current Profile.
  virtual int loadProfiles();
  // A new profile named txtPlayer, appended to the list and returned (not made current).
  virtual TProfilePtr CreateStartProfile();

  std::vector<TProfilePtr> profiles;
  std::string txtPlayer = "PLAYER";
  int loadedOnce = 0;
};

extern TProfileManager* ProfileManager;

// The current profile; on a first run there is none yet, so the start profile is made and made
// current as the profile manager would. Null only when there is no profile manager.
TProfile* CurrentOrStartProfile();
