// Shared fixtures for the unit tests: a scratch folder per test and the media layer on the null
// or the real (offscreen) back end with the virtual clock.
#pragma once

#include <string>

#include "media/media.h"

namespace testing_support {

// A fresh empty folder under the system's temporary folder, removed by the destructor.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Starts the media layer for one test and stops it at the end of the scope.
class MediaScope {
 public:
  explicit MediaScope(BackendKind kind = BackendKind::Null, bool virtualClock = true);
  ~MediaScope();
  bool ok() const { return ok_; }

 private:
  bool ok_ = false;
};

std::string SourceDir();  // the repository
std::string BuildDir();   // where the program and its game/ tree are built
std::string GameBinary();

// Writes bytes to a file (creating it), for fixtures.
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

// One run of the real program.
struct GameRun {
  int status = -1;
  std::string output;  // standard output and standard error together
};
// Runs the program headless from inside the scratch folder with the given script (written to
// script.txt there; empty for none), the user folder scratch/user, the seed, plus extra
// arguments. The data folder (the one that holds game/ and the marker files) is the build
// folder unless dataDir names another.
GameRun RunScripted(const ScratchDir& scratch, const std::string& script,
                    const std::string& extra = "", int seed = 1, const std::string& dataDir = "");
// The value of "key = value" inside a state dump ("" when absent); the first one when the key
// is in more than one group.
std::string Field(const std::string& dump, const std::string& key);

}  // namespace testing_support
