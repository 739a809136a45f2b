// One frame of a full 10 x 10 board with 500 live particles on the null back end: every cell and
// chip updated and drawn, the particle list updated and drawn. Measures our own CPU time only.
#include <benchmark/benchmark.h>

#include "app/frame_timing.h"
#include "match3/chip.h"
#include "match3/chip_kinds.h"
#include "match3/effect_lists.h"
#include "match3/level.h"
#include "match3/particle.h"
#include "match3/tile.h"
#include "media/media.h"

namespace {

TLevelPtr FullBoard() {
  ChipKinds.Clear();
  for (int id : {1, 2, 3, 4, 5, 101, 102}) {
    auto kind = std::make_shared<TChip>();
    kind->id = id;
    kind->img = CreateImageFromPixels(1, 1, {0xFFFFFFFFu});
    ChipKinds.AddLast(kind);
  }
  auto level = std::make_shared<TLevel>();
  level->rows = level->cols = 10;
  level->tile.assign(10, {});
  for (int r = 0; r < 10; ++r) {
    for (int c = 0; c < 10; ++c) {
      TTilePtr t = NewTile((r + c) % 3 == 0 ? 2 : 1);
      t->r = r;
      t->c = c;
      t->level = level;
      // Kinds in a pattern without lines; two power-up chips pulse and sparkle all the time.
      int kind = (r * 2 + c) % 5 + 1;
      if (r == 4 && c == 4) kind = 101;
      if (r == 6 && c == 2) kind = 102;
      t->PutChip(NewChip(kind));
      t->chain = (r == 9 && c < 3) ? 1 : 0;
      t->chest = (r == 0 && c > 7) ? 1 : 0;
      level->tile[r].push_back(t);
    }
  }
  level->availableChips.push_back(NewChip(1));
  level->Init();
  level->ResetBlask();
  return level;
}

void BM_BoardFrame(benchmark::State& state) {
  MediaConfig config;
  config.backend = BackendKind::Null;
  config.virtualClock = true;
  config.headless = true;
  config.noAudio = true;
  InitMedia(config);
  for (auto& slot : ParticleImages) slot = CreateImageFromPixels(1, 1, {0xFFFFFFFFu});
  for (auto& slot : TileImages) slot = CreateImageFromPixels(1, 1, {0xFFFFFFFFu});
  for (auto& slot : ChainImages) slot = CreateImageFromPixels(1, 1, {0xFFFFFFFFu});
  ChestImage = CreateImageFromPixels(1, 1, {0xFFFFFFFFu});
  FrameDelta = 1;
  TLevelPtr level = FullBoard();
  ParticleList.Clear();
  static const int kSteps[3] = {16, 17, 17};
  int frame = 0;
  TRGB white;
  white.r = white.g = white.b = 255;
  for (auto _ : state) {
    AdvanceVirtualClock(kSteps[frame++ % 3]);
    // Keep 500 particles alive; the power-up chips add their own sparkles on top.
    for (int i = ParticleList.Count(); i < 500; ++i) {
      CreateParticle(1 + i % 4, 300 + i % 97, 200 + i % 89, 600, 500, 450, 100, white, 1, 0, 1, 2,
                     0, 360, kBlendLight, 0, 3000 + i * 7);
    }
    level->UpdateBlaskWave();
    for (auto& row : level->tile)
      for (auto& t : row) t->update();
    for (int r = level->rows - 1; r >= 0; --r)
      for (auto& t : level->tile[r])
        if (t->chip) t->chip->update();
    for (auto& row : level->tile)
      for (auto& t : row) t->draw();
    for (auto& row : level->tile)
      for (auto& t : row) t->_drawChip();
    for (auto& row : level->tile)
      for (auto& t : row) {
        t->_drawChains();
        t->_drawChests();
      }
    UpdateAndDrawParticles();
    state.PauseTiming();
    ClearRecordedDraws();
    state.ResumeTiming();
  }
  state.counters["particles"] = ParticleList.Count();
  ParticleList.Clear();
  ChipKinds.Clear();
  level.reset();
  ShutdownMedia();
}

}  // namespace

BENCHMARK(BM_BoardFrame)->Unit(benchmark::kMicrosecond);
