// libFuzzer target for the atlas description reader.
#include <cstddef>
#include <cstdint>
#include <string>

#include "gui/atlas_description.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<TAtlasEntry> pics = ParseAtlasDescription(text);
  for (const TAtlasEntry& p : pics) {
    if (p.w < 0 || p.h < 0) __builtin_trap();
  }
  return 0;
}
