// A whole level played on the game screen's own loop, on the null back end with the virtual
// clock: a small solver watches the board after every frame and plays by injected mouse input
// only (drags between cells, clicks on the power-up buttons and the board), from the opening
// through a hint, an unlocked and used power-up, to the victory.
#include <gtest/gtest.h>

#include <functional>

#include "app/state_dump.h"
#include "game_screen_fixture.h"
#include "match3/pair.h"
#include "textdata/rcm_file.h"

using game_test::GameScreenTest;

namespace {

// Drives the game from the frame hook, one small step per frame.
class Solver {
 public:
  explicit Solver(TMainGame& g) : game(g) {}

  void onFrame() {
    ++frame;
    if (game.state == 1) sawOpening = true;
    if (game.hint) sawHint = true;
    if (!pending.empty()) {
      auto step = pending.front();
      pending.erase(pending.begin());
      step();
      return;
    }
    if (game.state != 0 || game.nothingHappens != 1 || game.pairsList.Count() != 0 ||
        BombList.Count() != 0)
      return;
    // Idle first until the hint shows, then click to dismiss it.
    if (!sawHint) return;
    // A move first, then the power-up, then moves to the end.
    if (!powerUpUsed && moves >= 1) {
      usePowerUp();
      return;
    }
    playMove();
  }

  void click(float x, float y) {
    pending.push_back([=] {
      InjectMouseMove(x, y);
      InjectMouseButton(1, true);
    });
    pending.push_back([] { InjectMouseButton(1, false); });
    pending.push_back([] {});
  }

  // Unlock the line power-up, buy a use, and fire it on the row with cells still to clear.
  void usePowerUp() {
    powerUpUsed = true;
    auto& b = game.powerUp[0];
    float bx = static_cast<float>(b->x + 50), by = static_cast<float>(b->y + 50);
    click(bx, by);
    click(bx, by);
    pending.push_back([this] { modeAfterBuying = game.gameMode; });
    TTilePtr target = firstCellToClear();
    if (target) click(static_cast<float>(target->drawX), static_cast<float>(target->drawY));
    pending.push_back([] { InjectMouseMove(5, 400); });
  }

  TTilePtr firstCellToClear() {
    for (auto& row : game.level->tile)
      for (auto& t : row)
        if (t->id > 1) return t;
    return nullptr;
  }

  // Rates a swap: lines over cells still to clear are worth most.
  int rate(const TTilePtr& a, const TTilePtr& b) {
    auto hint = game.FindHint_Move(a->r, a->c, b->r, b->c);
    if (!hint) return -1;
    std::swap(a->chip, b->chip);
    int score = 1;
    for (const TTilePtr& t : {a, b})
      for (auto& chip : game.CheckMatch(t))
        if (auto cell = chip->Tile(); cell && cell != a && cell != b && cell->id > 1) score += 10;
    if (a->id > 1 && !game.CheckMatch(a).empty()) score += 10;
    if (b->id > 1 && !game.CheckMatch(b).empty()) score += 10;
    std::swap(a->chip, b->chip);
    return score;
  }

  void playMove() {
    TTilePtr bestA, bestB;
    int best = 0;
    for (auto& row : game.level->tile)
      for (auto& a : row)
        for (auto [dr, dc] : {std::pair{0, 1}, std::pair{1, 0}}) {
          TTilePtr b = game.level->TileAt(a->r + dr, a->c + dc);
          if (!b) continue;
          int s = rate(a, b);
          if (s > best) best = s, bestA = a, bestB = b;
        }
    if (!bestA) return;  // no move: the screen shuffles by itself
    float x1 = static_cast<float>(bestA->drawX), y1 = static_cast<float>(bestA->drawY);
    float x2 = static_cast<float>(bestB->drawX), y2 = static_cast<float>(bestB->drawY);
    pending.push_back([=] {
      InjectMouseMove(x1, y1);
      InjectMouseButton(1, true);
    });
    pending.push_back([=] { InjectMouseMove((x1 + x2) / 2, (y1 + y2) / 2); });
    pending.push_back([=] { InjectMouseMove(x2, y2); });
    pending.push_back([] { InjectMouseButton(1, false); });
    ++moves;
  }

  TMainGame& game;
  std::vector<std::function<void()>> pending;
  int frame = 0;
  int moves = 0;
  int modeAfterBuying = -1;
  bool sawOpening = false;
  bool sawHint = false;
  bool powerUpUsed = false;
};

class GamePlayTest : public GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    if (!Delta) Delta = TDeltaTime::Create(60);
  }
  void TearDown() override {
    SetFrameHook(nullptr);
    GameScreenTest::TearDown();
  }
};

TEST_F(GamePlayTest, LevelPlayedFromTheOpeningToVictoryByMouseInput) {
  board_test::LevelText t;
  t.data = {"size = 6, 6", "availableChips = \"1 2 3 4\""};
  t.tiles = {"1, 1, 1, 1, 1, 1", "1, 2, 1, 1, 2, 1", "1, 1, 1, 1, 1, 1",
             "1, 1, 2, 2, 1, 1", "2, 1, 1, 1, 1, 2", "1, 1, 2, 2, 1, 1"};
  t.chips = {"1, 2, 3, 4, 1, 2", "3, 4, 1, 2, 3, 4", "2, 1, 4, 3, 2, 1",
             "4, 3, 2, 1, 4, 3", "1, 2, 3, 4, 1, 2", "3, 4, 1, 2, 3, 4"};
  Load(t);
  profile.questLevelId = 4;  // no tutorial, the opening caption plays
  profile.cash = 300;
  game.PowerUpOn = {1, 50, 50, 50};
  PowerUpUnlockCost = {100, 0, 0, 0};
  PowerUpUseCost = {200, 0, 0, 0};
  static const int kX[4] = {100, 350, 560, 800};
  for (int i = 0; i < 4; ++i) {
    auto b = std::make_shared<TPowerUp>();
    b->img = CreateImageFromPixels(100, 100, std::vector<uint32_t>(10000, 0xFFFFFFFFu));
    b->x = kX[i];
    b->y = 668;
    game.powerUp[static_cast<size_t>(i)] = b;
  }

  Solver solver(game);
  float openingDump = -1;
  SetFrameHook([&] {
    solver.onFrame();
    if (solver.frame == 5) {
      auto f = CreateRCM();
      FillStateDump(*f);
      openingDump = f->getFloat("game::state", 0);
    }
    // A safety net only: a stuck run ends the loop and fails below.
    if (solver.frame > 60 * 600) game.fade = game.dFade = 1;
  });
  int result = game.mainLoop();
  SetFrameHook(nullptr);

  EXPECT_TRUE(solver.sawOpening);
  EXPECT_EQ(openingDump, 1);
  EXPECT_TRUE(solver.sawHint);
  EXPECT_EQ(profile.unlockedPowerUp[0], 1);
  EXPECT_EQ(solver.modeAfterBuying, 1);
  EXPECT_GE(solver.moves, 1);
  EXPECT_EQ(game.state, 2);
  EXPECT_EQ(game.tilesCount, 0);
  EXPECT_EQ(result, 102);
  EXPECT_LT(solver.frame, 60 * 600);
  // The matches paid: the cash is what was left after buying plus the level's score.
  EXPECT_EQ(profile.cash, 300 - 100 - 200 + game.level->score);
  std::printf("level won after %d frames and %d moves, score %d\n", solver.frame, solver.moves,
              game.level->score);
}

}  // namespace
