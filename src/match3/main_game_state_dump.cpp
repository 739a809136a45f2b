// The game screen's part of the harness's state dump: what a script needs to follow a level
// (the state, the power-up mode, the pick, the cells left, the hint on show, the cash).
#include "app/globals.h"
#include "match3/hint.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "match3/tile.h"
#include "screens/profile.h"
#include "textdata/rcm_file.h"

namespace {

std::string CellText(const TTilePtr& t) {
  return t ? std::to_string(t->r) + " " + std::to_string(t->c) : "";
}

}  // namespace

void WriteGameScreenState(TRCMFile& file) {
  if (!MainGame) return;
  TMainGame& g = *MainGame;
  file.setFloat("game::state", static_cast<float>(g.state), 0);
  file.setFloat("game::gameMode", static_cast<float>(g.gameMode), 0);
  file.setString("game::picked", CellText(g.picked), 0);
  file.setFloat("game::tilesCount", static_cast<float>(g.tilesCount), 0);
  file.setString("game::hint",
                 g.hint ? CellText(g.hint->tile1) + " " + CellText(g.hint->tile2) : "", 0);
  // A click hides the hint: it fades out (and goes) from then on.
  file.setFloat("game::hintShown", g.hint && g.hint->da > 0 ? 1.0f : 0.0f, 0);
  file.setFloat("game::cash", static_cast<float>(Profile ? Profile->cash : 0), 0);
  file.setString("game::level", g.levelName, 0);
  int number = g.outsideQuest ? g.outsideNumber : (Profile ? Profile->questLevelId : 0);
  file.setFloat("game::levelNumber", static_cast<float>(g.level ? number : 0), 0);
  file.setFloat("game::score", static_cast<float>(g.level ? g.level->score : 0), 0);
  file.setFloat("game::outsideQuest", g.outsideQuest ? 1.0f : 0.0f, 0);
  file.setFloat("game::questLevelId", static_cast<float>(Profile ? Profile->questLevelId : 0), 0);
}
