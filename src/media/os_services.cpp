#include "media/os_services.h"

#include <pwd.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

std::string EnvironmentValue(const std::string& name, bool* isSet) {
  const char* value = std::getenv(name.c_str());
  if (isSet) *isSet = value != nullptr;
  return value ? std::string(value) : std::string();
}

void SetEnvironmentDefault(const std::string& name, const std::string& value) {
  setenv(name.c_str(), value.c_str(), 0);
}

std::string PasswordDatabaseHome() {
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
      !found->pw_dir)
    return "";
  return found->pw_dir;
}

void WaitMilliseconds(int ms) {
  if (ms <= 0) return;
  timespec pause{ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
  while (nanosleep(&pause, &pause) != 0) {
  }
}

int64_t ThreadCpuNanoseconds() {
  timespec now{};
  if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now) != 0) return 0;
  return static_cast<int64_t>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}
