// The data check of the screens' .gui files.
#include "gui/gui_check.h"

#include <memory>
#include <utility>

#include "gui/gui.h"
#include "gui/gui_strings.h"
#include "media/media.h"
#include "textdata/asset_root.h"
#include "textdata/data_check_report.h"

std::vector<TScreenGuiFile> ScreenGuiFiles(const TScreenDescriptors& screens) {
  std::vector<TScreenGuiFile> files;
  for (const TScreenDescriptor* screen : screens) {
    if (!screen || !screen->gui) continue;
    TScreenGuiFile* file = nullptr;
    for (TScreenGuiFile& f : files)
      if (std::string(f.path) == screen->gui) file = &f;
    if (!file) file = &files.emplace_back(TScreenGuiFile{screen->gui, {}});
    for (const std::string& name : screen->objects) {
      bool known = false;
      for (const std::string& n : file->names) known = known || n == name;
      if (!known) file->names.push_back(name);
    }
  }
  return files;
}

namespace {

int CheckFiles(const TScreenDescriptors& screens, const std::string& gameDir,
               std::vector<std::pair<std::string, std::string>>& problems) {
  int checked = 0;
  std::string root = gameDir;
  if (!root.empty() && root.back() != '/') root += '/';
  for (const TScreenGuiFile& screen : ScreenGuiFiles(screens)) {
    std::string path = root + ReplaceAll(screen.path, "#LANG#", Language);
    if (PathKind(path) != 1) continue;
    std::vector<std::string> found;
    std::unique_ptr<TGui> gui;
    {
      GuiProblemCollector collect(found);
      gui.reset(LoadGui(path));
    }
    ++checked;
    for (const auto& f : found) problems.emplace_back(path, f);
    for (const std::string& name : screen.names) {
      if (!gui->GetObject(name))
        problems.emplace_back(path, "no object '" + name + "', which its screen uses");
    }
  }
  return checked;
}

}  // namespace

int CheckGuiFiles(const TScreenDescriptors& screens, const std::string& gameDir,
                  std::vector<std::string>& problems) {
  std::vector<std::pair<std::string, std::string>> found;
  int checked = CheckFiles(screens, gameDir, found);
  for (const auto& [path, problem] : found) problems.push_back(path + ": " + problem);
  return checked;
}

void CheckGuiData(TDataCheckReport& report, const TScreenDescriptors& screens) {
  std::vector<std::pair<std::string, std::string>> found;
  CheckFiles(screens, AssetRoot, found);
  for (const auto& [path, problem] : found) report.Problem(path, problem);
}
