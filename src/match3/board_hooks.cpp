#include "match3/board_hooks.h"

#include <vector>

#include "app/state_dump.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "textdata/asset_root.h"
#include "textdata/data_check_report.h"

void RegisterBoardHooks() {
  RegisterStateWriter("level", [](TRCMFile& file) {
    if (MainGame && MainGame->level) WriteBoardState(*MainGame->level, file);
  });
}

void CheckLevelData(TDataCheckReport& report) {
  std::vector<std::string> problems;
  CheckLevelFiles(AssetRoot, problems);
  // Each problem starts with the file it is in, relative to the game folder.
  report.ProblemLines(AssetRoot, problems);
}
