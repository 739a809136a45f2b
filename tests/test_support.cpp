#include "test_support.h"

#include <sys/wait.h>

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

GameRun RunScripted(const ScratchDir& scratch, const std::string& script, const std::string& extra,
                    int seed, const std::string& dataDir) {
  std::string scriptArg;
  if (!script.empty()) {
    WriteFile(scratch / "script.txt", script);
    scriptArg = " --script script.txt";
  }
  std::string command = "cd '" + scratch.path() + "' && '" + GameBinary() +
                        "' --headless --userdir '" + (scratch / "user") + "' --datadir '" +
                        (dataDir.empty() ? BuildDir() : dataDir) + "' --seed " +
                        std::to_string(seed) + scriptArg + " " + extra + " > '" +
                        (scratch / "out.txt") + "' 2>&1";
  GameRun run;
  int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.output = ReadFile(scratch / "out.txt");
  return run;
}

std::string Field(const std::string& dump, const std::string& key) {
  std::string needle = "\t" + key + " = ";
  size_t at = dump.find(needle);
  if (at == std::string::npos) return "";
  size_t end = dump.find('\n', at);
  return dump.substr(at + needle.size(), end - at - needle.size());
}

}  // namespace testing_support
