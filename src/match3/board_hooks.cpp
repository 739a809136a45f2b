#include "match3/board_hooks.h"

#include <vector>

#include "app/check_data.h"
#include "app/globals.h"
#include "app/state_dump.h"
#include "match3/level.h"
#include "match3/main_game.h"

void RegisterBoardHooks() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterStateWriter([](TRCMFile& file) {
    if (MainGame && MainGame->level) WriteBoardState(*MainGame->level, file);
  });
  RegisterDataCheck([](TDataCheckReport& report) {
    std::vector<std::string> problems;
    CheckLevelFiles(AssetRoot, problems);
    for (auto& p : problems) {
      // Each problem starts with the file it is in, relative to the game folder.
      size_t colon = p.find(": ");
      if (colon == std::string::npos) {
        report.Problem(AssetRoot, p);
      } else {
        report.Problem(AssetRoot + p.substr(0, colon), p.substr(colon + 2));
      }
    }
  });
}
