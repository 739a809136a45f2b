// One frame of the game screen while a level is played: the first level's 8 x 8 board with the
// game's own pictures and fonts, on the OpenGL back end (offscreen), with swaps every 45 frames
// (matches, falls, refills, particles, captions) and a long idle stretch now and then so the
// hint shows. Each iteration is one frame in thread CPU time: our own update and draw (as
// --stats counts them) and the presentation, where the batches still open are drawn; the
// iteration time is their sum. Counters: median and 99th percentile of each part and of the sum.
// Needs the built assets (<build>/game); skipped without them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/frame_timing.h"
#include "app/globals.h"
#include "audio/global_snd.h"
#include "game/startup.h"
#include "match3/caption.h"
#include "match3/chip_kinds.h"
#include "match3/effect_lists.h"
#include "match3/hint.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "match3/particle.h"
#include "match3/tile.h"
#include "media/media.h"
#include "media/os_services.h"
#include "screens/profile.h"

namespace {

void BM_GameScreenFrame(benchmark::State& state) {
  const std::filesystem::path build(KELVAROTH_BUILD_DIR);
  if (!std::filesystem::exists(build / "game/gfx/frame/frame_left_from_tile.png")) {
    state.SkipWithError("the game's pictures are not built (configure with KELVAROTH_ASSETS=ON)");
    return;
  }
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(build);  // the game finds its files below "game/"

  MediaConfig config;
  config.backend = BackendKind::Real;
  config.virtualClock = true;
  config.headless = true;
  config.noAudio = true;
  if (!InitMedia(config) || OpenGraphicsMode(1024, 768, 0, 60, 0) != 1) {
    state.SkipWithError("the OpenGL back end did not start");
    std::filesystem::current_path(before);
    return;
  }
  CreateGlobals();
  TGlobalSnd* sound = GlobalSnd;
  GlobalSnd = nullptr;  // no music: the frame of the screen only
  SeedRandom(3);
  LoadChipKinds(AssetRoot);
  LoadTileImages(AssetRoot);
  LoadParticleImages(AssetRoot);
  LoadCaptionImages(AssetRoot, Language);
  TProfile profile;
  profile.name = "BENCH";
  profile.questLevelId = 5;  // no tutorial is due
  Profile = &profile;
  NoTutorial = 1;
  TMainGame game;
  MainGame = &game;
  game.setup();

  auto start = [&] {
    game.SetData(LoadLevel(AssetRoot + "data/levels/level-1.txt"));
    game.prepare();
  };
  auto present = [] {
    PresentFrame(-1);
    ClearBackBuffer();
  };
  start();
  // The opening: cells appear and the caption plays until the board is in play.
  for (int i = 0; i < 600 && game.state != 0; ++i) {
    game.update();
    game.draw();
    present();
  }

  std::vector<long long> work, presenting, total;
  work.reserve(1 << 16);
  presenting.reserve(1 << 16);
  total.reserve(1 << 16);
  int frame = 0;
  for (auto _ : state) {
    const long long t0 = ThreadCpuNanoseconds();
    game.update();
    game.draw();
    const long long t1 = ThreadCpuNanoseconds();
    present();
    const long long t2 = ThreadCpuNanoseconds();
    state.SetIterationTime(static_cast<double>(t2 - t0) * 1e-9);
    work.push_back(t1 - t0);
    presenting.push_back(t2 - t1);
    total.push_back(t2 - t0);

    state.PauseTiming();
    ++frame;
    // A swap every 45 frames, then 400 quiet frames for the hint, again and again.
    const bool idle = frame % 1000 >= 600;
    if (!idle && frame % 45 == 0 && game.state == 0 && game.gameMode == 0) {
      std::shared_ptr<THint> move = game.FindHint();
      if (move && move->tile1 && move->tile2) game.SwapTiles(move->tile1, move->tile2);
    }
    // A won level starts again, so every measured frame is one of play.
    if (game.state != 0) {
      start();
      for (int i = 0; i < 600 && game.state != 0; ++i) {
        game.update();
        game.draw();
        present();
      }
    }
    state.ResumeTiming();
  }

  auto summarise = [&](std::vector<long long>& samples, const std::string& name) {
    if (samples.empty()) return;
    std::sort(samples.begin(), samples.end());
    auto rank = [&](double f) {
      size_t i = static_cast<size_t>(f * static_cast<double>(samples.size()));
      return static_cast<double>(samples[std::min(i, samples.size() - 1)]) / 1e6;
    };
    state.counters[name + "_median_ms"] = rank(0.5);
    state.counters[name + "_p99_ms"] = rank(0.99);
  };
  summarise(work, "update_draw");
  summarise(presenting, "present");
  summarise(total, "frame");
  MainGame = nullptr;
  Profile = nullptr;
  GlobalSnd = sound;
  ParticleList.Clear();
  CaptionList.Clear();
  ShutdownMedia();
  std::filesystem::current_path(before);
}
BENCHMARK(BM_GameScreenFrame)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(6000);

}  // namespace
