#include "app/state_dump.h"

#include <vector>

#include "app/controller_state.h"
#include "app/screens_on_show.h"
#include "media/media.h"
#include "textdata/rcm_file.h"

namespace {
struct TNamedWriter {
  std::string part;  // empty for writers without a name
  std::function<void(TRCMFile&)> write;
};
std::vector<TNamedWriter>& Writers() {
  static std::vector<TNamedWriter> writers;
  return writers;
}
}  // namespace

void RegisterStateWriter(std::function<void(TRCMFile&)> writer) {
  Writers().push_back({"", std::move(writer)});
}

void RegisterStateWriter(const std::string& part, std::function<void(TRCMFile&)> writer) {
  for (TNamedWriter& w : Writers()) {
    if (!part.empty() && w.part == part) {
      w.write = std::move(writer);
      return;
    }
  }
  Writers().push_back({part, std::move(writer)});
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
  for (auto& writer : Writers())
    if (writer.write) writer.write(file);
}

bool WriteStateDump(const std::string& path) {
  auto file = CreateRCM();
  FillStateDump(*file);
  return file->save(path) != 0;
}
