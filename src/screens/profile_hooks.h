// What other parts of the game read from the current profile: its fields in the harness's state
// dump and its level-music counter for the sound catalogue.
#pragma once

class TRCMFile;

// Writes the group "profile" of the state dump: the current profile's fields (empty and zero
// without a profile) and how many profiles the list holds.
void WriteProfileState(TRCMFile& file);
// The current profile's musicN, or null without a profile.
int* ProfileMusicCounter();
// Adds the profile's writer to the state dump (again: replaces it) and makes the profile's musicN
// the counter the sound catalogue rotates the level music with.
void RegisterProfileHooks();
