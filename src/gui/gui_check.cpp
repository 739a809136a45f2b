// The data check of the screens' .gui files.
#include "gui/gui_check.h"

#include <memory>
#include <utility>

#include "app/check_data.h"
#include "app/globals.h"
#include "gui/gui.h"
#include "gui/gui_strings.h"
#include "media/media.h"

const std::vector<TScreenGuiFile>& ScreenGuiFiles() {
  static const std::vector<TScreenGuiFile> kFiles = {
      {"gfx/gui/options/#LANG#/options.gui",
       {"OK", "MENU", "HELP", "MAP", "SOUNDMINUS", "SOUNDPLUS", "MUSICMINUS", "MUSICPLUS",
        "FULLSCREEN_OFF", "FULLSCREEN_ON", "CURSOR_ON", "CURSOR_OFF"}},
      {"gfx/gui/profileManager/#LANG#/profileManager.gui", {"OK", "NEW", "DELETE", "RENAME"}},
      {"gfx/gui/mainMenu/#LANG#/mainMenu.gui", {"START", "EXIT", "SETTINGS", "PLAYER", "CREDITS"}},
      {"gfx/gui/enterText/#LANG#/enterText.gui", {"OK", "CANCEL"}},
      {"gfx/gui/popUp/#LANG#/popUp.gui", {"OK", "CANCEL"}},
      {"gfx/gui/storyScreen/#LANG#/storyScreen.gui", {"continue"}},
      {"gfx/gui/mapScreen/#LANG#/mapScreen.gui", {"CONTINUE", "HELP", "MENU"}},
      {"gfx/gui/levelSummary/#LANG#/levelSummary.gui", {"OK"}},
      {"gfx/gui/continueQuest/#LANG#/continueQuest.gui", {"NEW", "RESUME", "MENU"}},
      {"gfx/gui/tutorial/#LANG#/tutorial.gui", {"OK", "PREV", "NEXT"}},
      {"gfx/gui/showLevels/#LANG#/showLevels.gui", {"BACK", "PLAY"}},
      {"gfx/gui/artifact/#LANG#/artScreen.gui", {"continue"}},
      {"gfx/gui/artifact/#LANG#/giveArt.gui", {"ok"}},
      {"gfx/gui/artifact/#LANG#/puzzle.gui", {"menu"}},
      {"gfx/gui/mainGame/#LANG#/mainGame.gui", {"MENU"}},
  };
  return kFiles;
}

namespace {

int CheckFiles(const std::string& gameDir,
               std::vector<std::pair<std::string, std::string>>& problems) {
  int checked = 0;
  std::string root = gameDir;
  if (!root.empty() && root.back() != '/') root += '/';
  std::vector<std::string> seen;
  for (const TScreenGuiFile& screen : ScreenGuiFiles()) {
    std::string path = root + ReplaceAll(screen.path, "#LANG#", Language);
    if (PathKind(path) != 1) continue;
    bool again = false;
    for (const auto& s : seen) again = again || s == path;
    std::vector<std::string> found;
    std::unique_ptr<TGui> gui;
    {
      GuiProblemCollector collect(found);
      gui.reset(LoadGui(path));
    }
    if (!again) {
      ++checked;
      seen.push_back(path);
      for (const auto& f : found) problems.emplace_back(path, f);
    }
    for (const std::string& name : screen.names) {
      if (!gui->GetObject(name))
        problems.emplace_back(path, "no object '" + name + "', which its screen uses");
    }
  }
  return checked;
}

}  // namespace

int CheckGuiFiles(const std::string& gameDir, std::vector<std::string>& problems) {
  std::vector<std::pair<std::string, std::string>> found;
  int checked = CheckFiles(gameDir, found);
  for (const auto& [path, problem] : found) problems.push_back(path + ": " + problem);
  return checked;
}

void CheckGuiData(TDataCheckReport& report) {
  std::vector<std::pair<std::string, std::string>> found;
  CheckFiles(AssetRoot, found);
  for (const auto& [path, problem] : found) report.Problem(path, problem);
}
