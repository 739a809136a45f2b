// Interim board steps of the game screen, carried by the game screen's branch until the board
// branch's moves, falls, frame drawing, captions and fantoms land (that work replaces this file
// and the interim caption.h and fantom.h). Cells are updated and drawn; nothing here picks,
// swaps or refills.
#include "app/frame_timing.h"
#include "match3/board_math.h"
#include "match3/caption.h"
#include "match3/chip.h"
#include "match3/effect_lists.h"
#include "match3/fantom.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "match3/tile.h"
#include "media/media.h"

int TCaption::draw() {
  return 0;
}

int TCaption::update() {
  if (MillisecondClock() < startTime) return 0;
  p = std::min(1.0f, p + 0.02f * FrameDelta);
  if (p >= 1 && typ >= 2) destroy();
  return 0;
}

int TCaption::isEnd() {
  return p == 1 ? 1 : 0;
}

int TCaption::destroy() {
  CaptionList.Remove(this);
  return 0;
}

std::shared_ptr<TCaption> NewCaption(int n, int x, int y, int typ, int delay) {
  auto c = std::make_shared<TCaption>();
  c->n = n;
  c->x = static_cast<float>(x);
  c->y = static_cast<float>(y);
  c->typ = typ;
  c->startTime = MillisecondClock() + delay;
  if (typ >= 2) CaptionList.AddLast(c);
  return c;
}

int UpdateAndDrawCaptions() {
  CaptionList.ForEach([](const std::shared_ptr<TCaption>& c) {
    c->update();
    c->draw();
  });
  return 0;
}

int TFantom::draw() {
  return 0;
}

int TFantom::update() {
  if (!tile || MillisecondClock() < time) return 0;
  per = std::min(1.0f, per + (typ == 0 ? 0.05f : 0.02f) * FrameDelta);
  if (per >= 1) Destroy();
  return 0;
}

int TFantom::Destroy() {
  if (typ == 0 && tile && tile->_fantom.get() == this) tile->_fantom = nullptr;
  FantomList.Remove(this);
  return 0;
}

static std::shared_ptr<TFantom> NewFantom(const TTilePtr& tile, int delay, int typ) {
  if (!tile) return nullptr;
  auto f = std::make_shared<TFantom>();
  f->tile = tile;
  f->typ = typ;
  f->time = MillisecondClock() + delay;
  tile->_fantom = f;
  FantomList.AddLast(f);
  return f;
}

std::shared_ptr<TFantom> NewFantomIn(const TTilePtr& tile, int delay) {
  return NewFantom(tile, delay, 0);
}

std::shared_ptr<TFantom> NewFantomOut(const TTilePtr& tile, int delay) {
  return NewFantom(tile, delay, 1);
}

int UpdateFantoms() {
  FantomList.ForEach([](const std::shared_ptr<TFantom>& f) { f->update(); });
  return 0;
}

int DrawFantoms() {
  FantomList.ForEach([](const std::shared_ptr<TFantom>& f) { f->draw(); });
  return 0;
}

int AllFantomsDone() {
  int done = 1;
  FantomList.ForEach([&](const std::shared_ptr<TFantom>& f) {
    if (f->per != 1) done = 0;
  });
  return done;
}

int TMainGame::_setupFrames() {
  return 0;
}

int TMainGame::_updateTilesOver() {
  over = nullptr;
  tilesCount = 0;
  if (!level) return 0;
  for (auto& row : level->tile) {
    for (auto& t : row) {
      if (t->update()) over = t;
      if (t->isHappening()) nothingHappens = 0;
      if (t->id > 1) ++tilesCount;
    }
  }
  if (tilesCount == 0) tilesFree = 1;
  if (gameMode == 1) return _updateTiles_PowerUpLine();
  if (gameMode == 2) return _updateTiles_PowerUpDeleteChipType();
  if (gameMode == 3) return _updateTiles_PowerUpDeleteRandom();
  return 0;
}

int TMainGame::_updateChipsFall() {
  if (!level) return 0;
  for (int r = level->rows - 1; r >= 0; --r)
    for (int c = 0; c < level->cols; ++c)
      if (auto t = level->TileAt(r, c); t && t->chip) t->chip->update();
  return 0;
}

int TMainGame::_updateChipsCreation() {
  return 0;
}

int TMainGame::_updatePicked() {
  return 0;
}

int TMainGame::_updatePairs() {
  return 0;
}

int TMainGame::_updateBlask() {
  if (level) level->UpdateBlaskWave();
  return 0;
}

int TMainGame::_drawFrame() {
  return 0;
}

int TMainGame::_drawTiles() {
  if (!level) return 0;
  for (auto& row : level->tile)
    for (auto& t : row) t->draw();
  return 0;
}

int TMainGame::_drawChips() {
  if (!level) return 0;
  for (auto& row : level->tile)
    for (auto& t : row)
      if (t->chip && !t->_fantom) t->chip->draw();
  return 0;
}

int TMainGame::_drawChain() {
  if (!level) return 0;
  for (auto& row : level->tile)
    for (auto& t : row) {
      t->_drawChests();
      t->_drawChains();
    }
  return 0;
}
