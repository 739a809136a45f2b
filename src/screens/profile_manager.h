// The profile manager (modal, opened from the main menu).
// Runs as a plain screen until its own issue builds it.
#pragma once

#include <string>

#include "screens/plain_screen.h"

class TProfileManager : public TPlainScreen {
 public:
  TProfileManager();
  virtual int mainloop();
  // Writes every profile and the profile list; the plain manager holds none.
  virtual int saveProfiles();
};

extern TProfileManager* ProfileManager;
