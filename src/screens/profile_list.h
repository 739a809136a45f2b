// The list of player profiles ("profiles.dat"): which profiles exist, in order, and which one is
// current. The profile manager screen owns the list; these are its load and save steps.
#pragma once

#include <string>
#include <vector>

#include "screens/profile.h"

// Reads the list file and loads every listed profile into profiles; sets Profile to the current
// one. loadedOnce becomes 1 (saving is refused before that).
int LoadProfileList(std::vector<TProfilePtr>& profiles, int& loadedOnce);
// Saves every profile, then the list file (last, so it never names a profile not yet written).
// Nothing happens before the list was loaded. 1 when everything was written.
int SaveProfileList(const std::vector<TProfilePtr>& profiles, int loadedOnce);
// A new profile named txtPlayer (a fixed name when that is empty), appended and returned.
TProfilePtr CreateStartProfileIn(std::vector<TProfilePtr>& profiles, const std::string& txtPlayer);

// Set once the profile list has been read: from then on closing the window saves everything.
extern bool ProfilesLoaded;
