#include "game/data_checks.h"

#include "app/globals.h"
#include "audio/check_sound_data.h"
#include "game/check_pictures.h"
#include "game/screen_list.h"
#include "game/startup.h"
#include "gui/gui_check.h"
#include "match3/board_hooks.h"
#include "media/media.h"
#include "textdata/check_text_data.h"
#include "textdata/data_check_report.h"

namespace {

void CheckPicture(TDataCheckReport& report, const std::string& path) {
  if (PathKind(path) != 1) {
    report.Problem(path, "missing");
    return;
  }
  TImage* image = LoadImageFile(path);
  if (!image) {
    report.Problem(path, "cannot be decoded as a picture");
    return;
  }
  FreeImage(image);
}

}  // namespace

void CheckAppData(TDataCheckReport& report) {
  std::string title = AssetRoot + "txt/" + Language + "/name.txt";
  std::string bytes;
  if (!ReadFileBytes(title, bytes)) {
    report.Problem(title, "missing");
  } else if (TrimTitleBytes(bytes).empty()) {
    report.Problem(title, "empty (the window would be titled " + std::string("Kelvaroth") + ")");
  }
  CheckPicture(report, WindowIconPath());
  CheckPicture(report, AssetRoot + "gfx/point.png");
  CheckPicture(report, AssetRoot + "gfx/gui/mouse.png");
}

int RunDataChecks() {
  TDataCheckReport report;
  CheckAppData(report);
  CheckTextData(report);
  CheckGuiData(report, AllScreenDescriptors());
  CheckPictureData(report);
  CheckSoundData(report);
  CheckLevelData(report);
  // Checks that report whole lines already name the file in them.
  for (auto& p : report.problems) PrintLine(p.problem.empty() ? p.path : p.path + ": " + p.problem);
  return static_cast<int>(report.problems.size());
}
