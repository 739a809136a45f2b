// The data check of the GUI files: every screen's .gui file is parsed with its pictures, atlases,
// fonts, text references and scripts, and must declare every object name its screen asks for.
#pragma once

#include <string>
#include <vector>

struct TScreenGuiFile {
  const char* path;  // below the game folder; "#LANG#" stands for the language code
  std::vector<std::string> names;
};

// The .gui file of every screen and the object names the screen's code clicks or switches.
const std::vector<TScreenGuiFile>& ScreenGuiFiles();

// Checks every screen .gui file that exists below gameDir (the folder holding "gfx"); files not
// there yet are skipped. Appends one line per problem, naming the file. Returns the number of
// files checked.
int CheckGuiFiles(const std::string& gameDir, std::vector<std::string>& problems);

class TDataCheckReport;
// The same for kelvaroth --check-data, on the game folder AssetRoot, reported per file.
void CheckGuiData(TDataCheckReport& report);
