// Shared set-up of the game screen tests: chip kinds and particle pictures without files, a
// profile, the game screen singleton, and levels written from a few lines of text, on the null
// back end with the virtual clock.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/frame_timing.h"
#include "app/globals.h"
#include "app/state_dump.h"
#include "audio/global_snd.h"
#include "board_fixture.h"
#include "match3/bomb.h"
#include "match3/caption.h"
#include "match3/fantom.h"
#include "match3/hint.h"
#include "match3/power_up.h"
#include "screens/all_screens.h"
#include "screens/profile.h"

namespace game_test {

// The game screen with the calls the tests watch recorded.
class RecordingGame : public TMainGame {
 public:
  std::vector<int> tutorials;
  int bombs = 0;
  int ShowTutorial(int n) override {
    tutorials.push_back(n);
    return 0;
  }
  int Bomb(const TTilePtr& tile) override {
    ++bombs;
    return TMainGame::Bomb(tile);
  }
};

class GameScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(media.ok());
    board_test::MakeKinds();
    board_test::MakeParticleImages();
    board_test::ClearEffects();
    BombList.Clear();
    TileImages[0] = CreateImageFromPixels(1, 1, {0xFFFFFFFFu});
    TileImages[1] = CreateImageFromPixels(1, 1, {0xFFFFFFFFu});
    SeedRandom(7);
    FrameDelta = 1;
    if (!Mouse) Mouse = new TMouse();
    Mouse->clear();
    profile.name = "TESTER";
    profile.questLevelId = 5;
    Profile = &profile;
    MainGame = &game;
    RegisterStateWriter("game", WriteGameScreenState);
    NoTutorial = 0;
    // The screen runs alone: no options, profile manager, summary, tutorial or sound catalogue
    // left behind by other tests takes part.
    saved = {Options, ProfileManager, LevelSummary, Tutorial, GlobalSnd};
    Options = nullptr;
    ProfileManager = nullptr;
    LevelSummary = nullptr;
    Tutorial = nullptr;
    GlobalSnd = nullptr;
  }
  void TearDown() override {
    board_test::ClearEffects();
    BombList.Clear();
    ChipKinds.Clear();
    for (auto& slot : ParticleImages) slot = nullptr;
    TileImages[0] = TileImages[1] = nullptr;
    MainGame = nullptr;
    Profile = nullptr;
    if (Mouse) Mouse->clear();
    std::tie(Options, ProfileManager, LevelSummary, Tutorial, GlobalSnd) = saved;
  }

  TLevelPtr Load(const board_test::LevelText& t) {
    TLevelPtr lv = board_test::LoadFromText(dir, t.str());
    game.SetData(lv);
    return lv;
  }
  TTilePtr At(int r, int c) { return game.level->TileAt(r, c); }
  // One tick of the virtual clock as a frame at 60 frames a second.
  void Tick() {
    static const int kSteps[3] = {16, 17, 17};
    AdvanceVirtualClock(kSteps[tick++ % 3]);
  }
  // A press of the left button at (x, y) as the next frame sees it.
  void PressAt(float x, float y) {
    Mouse->x = x;
    Mouse->y = y;
    Mouse->leftPressed = 1;
  }
  void Release() { Mouse->leftPressed = 0; }

  testing_support::MediaScope media;
  testing_support::ScratchDir dir;
  TProfile profile;
  RecordingGame game;
  int tick = 0;
  std::tuple<TOptions*, TProfileManager*, TLevelSummary*, TTutorial*, TGlobalSnd*> saved;
};

// A square board of plain cells with the given chip rows ("1, 2, 3").
inline board_test::LevelText Board(const std::vector<std::string>& chips,
                                   const std::vector<std::string>& tiles = {}) {
  board_test::LevelText t;
  int n = static_cast<int>(chips.size());
  int cols = 1;
  for (char ch : chips[0])
    if (ch == ',') ++cols;
  t.data = {"size = " + std::to_string(n) + ", " + std::to_string(cols),
            "availableChips = \"1 2 3 4 5\""};
  if (tiles.empty()) {
    std::string row;
    for (int c = 0; c < cols; ++c) row += c ? ", 1" : "1";
    t.tiles.assign(static_cast<size_t>(n), row);
  } else {
    t.tiles = tiles;
  }
  t.chips = chips;
  return t;
}

}  // namespace game_test
