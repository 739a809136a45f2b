#include "screens/level_summary.h"

TLevelSummary* LevelSummary = nullptr;

TLevelSummary::TLevelSummary() : TPlainScreen("LevelSummary", {{"OK", 0}}) {}

int TLevelSummary::mainloop() {
  runPlain(ScreenOnShow());
  return 0;
}
