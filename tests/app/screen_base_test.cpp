// The screen base: the approach rule, the fade overlay, and a full screen's loop from fade-in to
// its result.
#include "gui/screen_base.h"

#include <gtest/gtest.h>

#include "app_fixture.h"
#include "media/media.h"
#include "screens/placeholder_screen.h"

using AppScreenBase = AppFixture;

TEST_F(AppScreenBase, ApproachNeverOvershootsAndLandsExactly) {
  struct Case {
    float value, target, step, delta, expected;
  } cases[] = {
      {0, 1, 0.05f, 1, 0.05f},  // one step up
      {1, 0, 0.05f, 1, 0.95f},  // one step down
      {0.98f, 1, 0.05f, 1, 1},  // would overshoot: lands on the target
      {0.02f, 0, 0.05f, 1, 0},  // same downward
      {0, 1, 0.05f, 1000, 1},   // a huge frame jumps straight to the target
      {1, 0, 0.05f, 1000, 0},   //
      {0.5f, 0.5f, 0.05f, 1, 0.5f}, {0, 1, 0.05f, 0, 0},  // no time passed: no change
  };
  for (const Case& c : cases) {
    FrameDelta = c.delta;
    EXPECT_EQ(Approach(c.value, c.target, c.step), c.expected)
        << c.value << " -> " << c.target << " d " << c.delta;
  }
}

TEST_F(AppScreenBase, FullFadeTakesTwentyFramesAtSixty) {
  TEkran screen;
  FrameDelta = 1;
  screen.dFade = 1;
  int frames = 0;
  while (!(screen.fade == 1 && screen.dFade == 1)) {
    screen._updateFade();
    ++frames;
    ASSERT_LT(frames, 100);
  }
  EXPECT_EQ(frames, 20);
  screen.dAlpha = 0;
  frames = 0;
  while (screen.alpha != 0) {
    screen._updateAlpha();
    ++frames;
    ASSERT_LT(frames, 100);
  }
  EXPECT_EQ(frames, 20);
  // A huge frame: straight to the targets, and they stay there.
  FrameDelta = 500;
  screen.dFade = 0;
  screen._updateFade();
  EXPECT_EQ(screen.fade, 0.0f);
  screen._updateFade();
  EXPECT_EQ(screen.fade, 0.0f);
}

TEST_F(AppScreenBase, DrawFadeCoversTheScreenInBlackAndRestoresWhite) {
  TEkran screen;
  screen.fade = 0.25f;
  ClearRecordedDraws();
  screen._drawFade();
  ASSERT_EQ(RecordedDraws().size(), 1u);
  const RecordedDraw& d = RecordedDraws()[0];
  EXPECT_EQ(d.kind, RecordedDraw::Fill);
  EXPECT_EQ(d.w, 1024.0f);
  EXPECT_EQ(d.h, 768.0f);
  EXPECT_EQ(d.r + d.g + d.b, 0);
  EXPECT_EQ(d.alpha, 0.25f);
  int r, g, b;
  GetDrawColour(r, g, b);
  EXPECT_EQ(r + g + b, 255 * 3);
}

TEST_F(AppScreenBase, ScreenWithoutGuiSkipsGuiSteps) {
  TEkran screen;
  EXPECT_EQ(screen._drawGui(), 0);
  EXPECT_EQ(screen._updateGui(), 0);
}

// A plain full screen run at a steady 60 frames per second.
const TScreenDescriptor kSteadyScreen = {"Steady", nullptr, {}, {}};
class SteadyScreen : public TPlaceholderScreen {
 public:
  SteadyScreen() : TPlaceholderScreen(kSteadyScreen, kTopLevel) {
    LeaveOnClick("ONE", 11);
    LeaveOnClick("TWO", 22);
  }
  int update() override {
    UpdateCommon();
    FrameDelta = 1;
    _updateFade();
    _updateAlpha();
    _updateGui();
    ++updates;
    return 0;
  }
  int updates = 0;
};

TEST_F(AppScreenBase, FullScreenKeepsRunningThroughItsFadeThenReturnsTheResult) {
  SteadyScreen screen;
  long long clickFrame = -1;
  long long start = PresentedFrames();
  SetFrameHook([&] {
    // Click the second row once the screen is fully shown (20 frames of fade-in): pressed on one
    // frame, released on the next, which completes the button's click.
    if (PresentedFrames() - start == 24) {
      InjectMouseMove(512, TPlaceholderScreen::RowTop(1) + 10);
      InjectMouseButton(1, true);
    }
    if (PresentedFrames() - start == 25) {
      InjectMouseButton(1, false);
      clickFrame = PresentedFrames();
    }
  });
  int result = screen.run(nullptr);
  SetFrameHook(nullptr);
  EXPECT_EQ(result, 22);
  ASSERT_GE(clickFrame, 0);
  // The release is seen on the next frame; the fade-out then runs 20 frames.
  EXPECT_EQ(PresentedFrames() - clickFrame, 21);
  EXPECT_EQ(screen.fade, 1.0f);
}

TEST_F(AppScreenBase, ScreensOnShowNameModalsOverTheirCaller) {
  EXPECT_EQ(ScreenOnShow(), nullptr);
  TEkran outer;
  SteadyScreen inner;
  {
    TScreenOnShow a(&outer);
    TScreenOnShow b(&inner);
    EXPECT_EQ(ScreenOnShow(), &inner);
    auto names = ScreensOnShowNames();
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0], "TEkran");
    EXPECT_EQ(names[1], "Steady");
  }
  EXPECT_TRUE(ScreensOnShowNames().empty());
}
