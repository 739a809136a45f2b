// libFuzzer target for the .gui tokenizer, entry reader and declaration handlers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/frame_timing.h"
#include "gui/gui.h"
#include "media/media.h"

namespace {

bool Init() {
  MediaConfig config;
  config.backend = BackendKind::Null;
  config.headless = true;
  config.noAudio = true;
  config.virtualClock = true;
  InitMedia(config);
  // Relative names in the input resolve inside an empty folder, so the fuzzer parses rather than
  // reads whatever lies around.
  char tmpl[] = "/tmp/kelvaroth-gui-fuzz-XXXXXX";
  if (char* dir = mkdtemp(tmpl)) ChangeFolder(dir);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool ready = Init();
  (void)ready;
  std::string text(reinterpret_cast<const char*>(data), size);
  TGui gui;
  gui.parseTokens(text);
  gui.readObjects();
  // Exercise the runtime on whatever came out.
  TMouse mouse;
  TMouse* saved = Mouse;
  Mouse = &mouse;
  mouse.leftHolded = 1;
  gui.update();
  gui.draw();
  gui.VectorMe(-10, 5, 0.5f);
  Mouse = saved;
  return 0;
}
