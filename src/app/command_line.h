// The command line: flags that choose folders, the window, sound, the seed, headless scripted
// runs, statistics and the data check.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TCommandLine {
  bool help = false;
  bool version = false;
  std::string dataDir;  // the folder that holds game/
  std::string userDir;  // replaces the per-user data folder
  int fullscreen = -1;  // -1 the setting, 0 --window, 1 --fullscreen
  bool noSound = false;
  bool seedGiven = false;
  int64_t seed = 0;
  bool headless = false;
  std::string scriptFile;
  std::string statsFile;
  bool checkData = false;
  std::string level;  // --level: a quest level's number or a level file
  std::string error;  // set when the command line cannot be used
};

// Parses the arguments after the program name. Unknown flags, missing values and bad numbers
// set error.
TCommandLine ParseCommandLine(const std::vector<std::string>& args);
std::string UsageText();
