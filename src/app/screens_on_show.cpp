#include "app/screens_on_show.h"

namespace {
std::vector<const char*>& Names() {
  static std::vector<const char*> names;
  return names;
}
}  // namespace

void PushScreenOnShowName(const char* name) {
  Names().push_back(name);
}

void PopScreenOnShowName() {
  if (!Names().empty()) Names().pop_back();
}

std::vector<std::string> ScreensOnShowNames() {
  std::vector<std::string> names;
  for (const char* name : Names()) names.push_back(name ? name : "");
  return names;
}
