// Playing one level straight from the command line: which file a --level value names, the check
// that it is playable (made before any window opens) and the hand-over to the game screen once
// the game has loaded.
#pragma once

#include <string>
#include <vector>

struct TSingleLevel {
  int number = 0;    // the quest level's number; 0 for a level file of its own
  std::string path;  // the file to load, relative to the data folder or absolute
  std::string name;  // the level as the player named it, for messages and the state dump
};

// Digits name quest level N ("game/data/levels/level-N.txt"); anything else is a file, taken
// from launchFolder when relative.
TSingleLevel SingleLevelFromArgument(const std::string& value, const std::string& launchFolder);

// Why the level cannot be played (a missing file, a file that is no level, a board without a
// cell to play on, unknown chip kinds); empty when it can. gameDir is the folder of the chip
// kinds ("game/").
std::vector<std::string> CheckSingleLevel(const TSingleLevel& request, const std::string& gameDir);

// Puts the level on the game screen for the current profile (a start profile is made when there
// is none) and returns the controller's step for the game screen. The level joins the quest only
// when it is the profile's current quest level.
int StartSingleLevel(const TSingleLevel& request);
