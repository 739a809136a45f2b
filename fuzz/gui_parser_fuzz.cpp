// libFuzzer target for the .gui tokenizer, entry reader and declaration handlers.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/frame_timing.h"
#include "gui/gui.h"
#include "media/media.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  MediaConfig config;
  config.backend = BackendKind::Null;
  config.headless = true;
  config.noAudio = true;
  config.virtualClock = true;
  InitMedia(config);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
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
