// The data check of the GUI files: every screen's .gui file is parsed with its pictures, atlases,
// fonts, text references and scripts, and must declare every object name its screen asks for.
// The screens' descriptors say which files and names those are.
#pragma once

#include <string>
#include <vector>

#include "gui/screen_descriptor.h"

using TScreenDescriptors = std::vector<const TScreenDescriptor*>;

struct TScreenGuiFile {
  const char* path;  // below the game folder; "#LANG#" stands for the language code
  std::vector<std::string> names;
};

// One entry per .gui file the screens load, with every name asked for by any screen that loads it.
std::vector<TScreenGuiFile> ScreenGuiFiles(const TScreenDescriptors& screens);

// Checks every screen .gui file that exists below gameDir (the folder holding "gfx"); files not
// there yet are skipped. Appends one line per problem, naming the file. Returns the number of
// files checked.
int CheckGuiFiles(const TScreenDescriptors& screens, const std::string& gameDir,
                  std::vector<std::string>& problems);

class TDataCheckReport;
// The same for kelvaroth --check-data, on the game folder AssetRoot, reported per file.
void CheckGuiData(TDataCheckReport& report, const TScreenDescriptors& screens);
