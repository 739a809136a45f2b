// Frame timing and the mouse, on the virtual clock.
#include "app/frame_timing.h"

#include <gtest/gtest.h>

#include "app_fixture.h"
#include "gui/screen_base.h"
#include "media/media.h"
#include "screens/options.h"

using AppFrameTiming = AppFixture;

TEST_F(AppFrameTiming, FiftyMillisecondFrameGivesThreeAndAFrameInsideAMillisecondZero) {
  UpdateDelta();
  AdvanceVirtualClock(50);
  UpdateDelta();
  EXPECT_EQ(FrameDelta, 3.0f);
  EXPECT_EQ(Delta->ElapsedTime, 50);
  UpdateDelta();
  EXPECT_EQ(FrameDelta, 0.0f);
}

TEST_F(AppFrameTiming, PresentedFramesAtSixtyGiveDeltasNearOne) {
  UpdateDelta();
  float total = 0;
  for (int i = 0; i < 60; ++i) {
    FlipFrame(1);
    UpdateDelta();
    EXPECT_NEAR(FrameDelta, 1.0f, 0.05f);
    total += FrameDelta;
  }
  EXPECT_NEAR(total, 60.0f, 0.001f);  // 60 frames are exactly one second
}

TEST_F(AppFrameTiming, PrepareDeltaAbsorbsLoadingTime) {
  UpdateDelta();
  AdvanceVirtualClock(5000);  // a long load while preparing
  TEkran screen;
  screen._prepareDelta();
  AdvanceVirtualClock(17);
  UpdateDelta();
  EXPECT_EQ(Delta->ElapsedTime, 17);
  EXPECT_NEAR(FrameDelta, 1.02f, 0.001f);
}

TEST_F(AppFrameTiming, FpsCountsTheFramesOfTheLastSecond) {
  TDeltaTime timer;
  timer.SetFPS(60);
  timer.Update();  // opens the first second
  for (int i = 0; i < 62; ++i) {
    AdvanceVirtualClock(16);
    timer.Update();
  }
  EXPECT_EQ(timer.FPS(), 0);  // 992 ms: the second is not over yet
  AdvanceVirtualClock(16);
  timer.Update();
  EXPECT_EQ(timer.FPS(), 62);
  EXPECT_EQ(timer.FPSCounter, 0);
}

TEST_F(AppFrameTiming, TimersEnterAndLeaveTheListOfAllTimers) {
  auto before = TDeltaTime::AllTimers().size();
  TDeltaTime* timer = TDeltaTime::Create(30);
  EXPECT_EQ(timer->dFps, 30.0f);
  EXPECT_FLOAT_EQ(timer->dDelta, 1000.0f / 30.0f);
  EXPECT_EQ(TDeltaTime::AllTimers().size(), before + 1);
  delete timer;
  EXPECT_EQ(TDeltaTime::AllTimers().size(), before);
}

using AppMouse = AppFixture;

TEST_F(AppMouse, TwoClicksBetweenFramesCountTwiceForOneFrame) {
  InjectMouseMove(100, 200);
  for (int i = 0; i < 2; ++i) {
    InjectMouseButton(1, true);
    InjectMouseButton(1, false);
  }
  UpdateDelta();
  Mouse->update();
  EXPECT_EQ(Mouse->leftPressed, 2);
  EXPECT_EQ(Mouse->leftHolded, 0);
  EXPECT_EQ(Mouse->x, 100.0f);
  EXPECT_EQ(Mouse->y, 200.0f);
  UpdateDelta();
  Mouse->update();
  EXPECT_EQ(Mouse->leftPressed, 0);
}

TEST_F(AppMouse, HeldButtonsMovementAndWheel) {
  InjectMouseMove(10, 10);
  UpdateDelta();
  Mouse->update();
  InjectMouseMove(25, 5);
  InjectMouseButton(2, true);
  InjectMouseButton(3, true);
  InjectWheel(3);
  UpdateDelta();
  Mouse->update();
  EXPECT_EQ(Mouse->rightPressed, 1);
  EXPECT_EQ(Mouse->rightHolded, 1);
  EXPECT_EQ(Mouse->midPressed, 1);
  EXPECT_EQ(Mouse->midHolded, 1);
  EXPECT_EQ(Mouse->vx, 15.0f);
  EXPECT_EQ(Mouse->vy, -5.0f);
  EXPECT_EQ(Mouse->vz, 3.0f);
  Mouse->clear();
  EXPECT_EQ(Mouse->rightPressed + Mouse->rightHolded + Mouse->midPressed + Mouse->midHolded, 0);
}

TEST_F(AppMouse, InRectIncludesBothEdges) {
  struct Case {
    float x, y;
    int inside;
  } cases[] = {{0, 0, 1},     {10, 10, 1},   {5, 5, 1},     {10.5f, 0, 0},
               {0, 10.5f, 0}, {-0.5f, 5, 0}, {5, -0.01f, 0}};
  for (const Case& c : cases) {
    Mouse->x = c.x;
    Mouse->y = c.y;
    EXPECT_EQ(Mouse->inRect(0, 0, 10, 10), c.inside) << c.x << "," << c.y;
    TDim d;
    d.w = 10;
    d.h = 10;
    EXPECT_EQ(Mouse->inDim(d), c.inside) << c.x << "," << c.y;
  }
}

TEST_F(AppMouse, VirtualScreenSetsTheLogicalArea) {
  SetVirtualScreen(1024, 768, 0);
  EXPECT_EQ(LogicalWidth(), 1024.0f);
  EXPECT_EQ(LogicalHeight(), 768.0f);
  float x, y, w, h;
  GetClipRect(x, y, w, h);
  EXPECT_EQ(w, 1024.0f);
  EXPECT_EQ(h, 768.0f);
  SetVirtualScreen(800.5f, 600.2f, 1);  // mode 1 keeps mode 0; sizes round up for the clip
  GetClipRect(x, y, w, h);
  EXPECT_EQ(w, 801.0f);
  EXPECT_EQ(h, 601.0f);
  SetVirtualScreen(1024, 768, 0);
}

TEST_F(AppMouse, CustomCursorIsDrawnAtTheMouseOnlyWhenOnAndPresent) {
  CursorImage = CreateImageFromPixels(4, 4, std::vector<uint32_t>(16, 0xFFFFFFFFu));
  SetImageAnchor(CursorImage, 2, 2);
  Mouse->x = 300;
  Mouse->y = 200;
  auto cursorDraws = [] {
    int n = 0;
    for (const RecordedDraw& d : RecordedDraws())
      if (d.kind == RecordedDraw::Image && d.image == CursorImage && d.x == 300 && d.y == 200) ++n;
    return n;
  };
  Options->customCursor = 1;
  ClearRecordedDraws();
  Mouse->draw();
  EXPECT_EQ(cursorDraws(), 1);
  Options->customCursor = 0;
  ClearRecordedDraws();
  Mouse->draw();
  EXPECT_EQ(cursorDraws(), 0);
  // Without the picture the system cursor stands in even with the setting on.
  Options->customCursor = 1;
  FreeImage(CursorImage);
  CursorImage = nullptr;
  ClearRecordedDraws();
  Mouse->draw();
  EXPECT_TRUE(RecordedDraws().empty());
}
