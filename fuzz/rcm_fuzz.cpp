// libFuzzer target for the RCM reader: any bytes must load (or be refused) without a crash,
// a hang or unbounded memory, and whatever loads must save and load again.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "media/media.h"
#include "textdata/rcm_file.h"

namespace {

std::string ScratchPath(const char* name) {
  static const std::string folder = [] {
    auto dir = std::filesystem::temp_directory_path() / "kelvaroth-rcm-fuzz";
    std::filesystem::create_directories(dir);
    return dir.string();
  }();
  return folder + "/" + name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input = ScratchPath("input.txt");
  WriteFileBytesAtomic(input, std::string(reinterpret_cast<const char*>(data), size));
  auto file = LoadRCM(input);
  // Queries on whatever was read, including indexes past the values.
  file->getString("a::b", 0);
  file->getFloat("A::B::c", 5, 0);
  file->setFloat("x::y::z", 1.5f, 3);
  file->setString("x::y::w", "v", 1);
  const std::string saved = ScratchPath("saved.txt");
  file->save(saved);
  auto again = LoadRCM(saved);
  again->getFloat("x::y::z", 3, 0);
  return 0;
}
