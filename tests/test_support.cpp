#include "test_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace testing_support {

ScratchDir::ScratchDir() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "kelvaroth-test-XXXXXX").string();
  if (char* made = mkdtemp(tmpl.data())) path_ = made;
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  if (!path_.empty()) std::filesystem::remove_all(path_, ec);
}

MediaScope::MediaScope(BackendKind kind, bool virtualClock) {
  MediaConfig config;
  config.backend = kind;
  config.virtualClock = virtualClock;
  config.headless = true;
  config.noAudio = kind == BackendKind::Null;
  ok_ = InitMedia(config);
}

MediaScope::~MediaScope() {
  ShutdownMedia();
}

std::string SourceDir() {
  return KELVAROTH_SOURCE_DIR;
}
std::string BuildDir() {
  return KELVAROTH_BUILD_DIR;
}
std::string GameBinary() {
  return KELVAROTH_BINARY;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace testing_support
