#include "app/state_dump.h"

#include <vector>

#include "app/controller.h"
#include "app/screen_base.h"
#include "media/media.h"
#include "textdata/rcm_file.h"

namespace {
std::vector<std::function<void(TRCMFile&)>>& Writers() {
  static std::vector<std::function<void(TRCMFile&)>> writers;
  return writers;
}
}  // namespace

void RegisterStateWriter(std::function<void(TRCMFile&)> writer) {
  Writers().push_back(std::move(writer));
}

void FillStateDump(TRCMFile& file) {
  file.setFloat("state::frame", static_cast<float>(PresentedFrames()), 0);
  file.setFloat("state::where", static_cast<float>(where), 0);
  file.setString("state::lastScreen", lastScreen, 0);
  std::vector<std::string> names = ScreensOnShowNames();
  file.setString("state::screen", names.empty() ? "" : names.back(), 0);
  // Outermost first: a modal screen follows the screen that opened it.
  for (size_t i = 0; i < names.size(); ++i)
    file.setString("state::screens", names[i], static_cast<int>(i));
  file.setFloat("state::screenCount", static_cast<float>(names.size()), 0);
  for (auto& writer : Writers()) writer(file);
}

bool WriteStateDump(const std::string& path) {
  auto file = CreateRCM();
  FillStateDump(*file);
  return file->save(path) != 0;
}
