// The null back end: no window, pictures still decode, and every draw call is recorded with
// the state it was made in.
#include "graphics_fixture.h"

namespace {

TEST(GraphicsNullBackend, DrawCallsAreRecordedWithTheirState) {
  testing_support::MediaScope media;
  ASSERT_TRUE(media.ok());
  EXPECT_EQ(OpenGraphicsMode(1024, 768, 0, 60, 0), 1);
  EXPECT_TRUE(GraphicsModeIsOpen());
  EXPECT_EQ(PhysicalWidth(), 1024);
  TImage* image = CreateImageFromPixels(4, 2, std::vector<uint32_t>(8, 0xFFFFFFFFu));
  SetImageAnchor(image, 1, 1);
  SetDrawOrigin(10, 20);
  SetDrawColour(1, 2, 3);
  SetDrawAlpha(0.25f);
  SetBlendMode(kBlendLight);
  SetDrawRotation(30);
  SetDrawScale(2, 0.5f);
  ClearRecordedDraws();
  DrawImageAt(image, 5, 6);
  DrawImageRect(image, 1, 2, 30, 40, 0, 1, 2, 1, 0.5f, 0.25f);
  FillRect(7, 8, 9, 10);
  DrawLineSeg(0, 0, 3, 4);
  SetTextFont(nullptr);
  DrawTextAt("abc", 11, 12);
  SetBlendMode(99);  // not a mode: ignored
  EXPECT_EQ(GetBlendMode(), kBlendLight);

  const auto& draws = RecordedDraws();
  ASSERT_EQ(draws.size(), 5u);
  EXPECT_EQ(draws[0].kind, RecordedDraw::Image);
  EXPECT_EQ(draws[0].image, image);
  EXPECT_FLOAT_EQ(draws[0].x, 15);
  EXPECT_FLOAT_EQ(draws[0].y, 26);
  EXPECT_FLOAT_EQ(draws[0].w, 4);
  EXPECT_FLOAT_EQ(draws[0].hx, 1);
  EXPECT_EQ(draws[0].r, 1);
  EXPECT_EQ(draws[0].b, 3);
  EXPECT_FLOAT_EQ(draws[0].alpha, 0.25f);
  EXPECT_EQ(draws[0].blend, kBlendLight);
  EXPECT_FLOAT_EQ(draws[0].rotation, 30);
  EXPECT_FLOAT_EQ(draws[0].scaleX, 2);
  EXPECT_EQ(draws[1].kind, RecordedDraw::ImageRect);
  EXPECT_FLOAT_EQ(draws[1].w, 30);
  EXPECT_FLOAT_EQ(draws[1].sy, 1);
  EXPECT_FLOAT_EQ(draws[1].hy, 0.25f);
  EXPECT_EQ(draws[2].kind, RecordedDraw::Fill);
  EXPECT_FLOAT_EQ(draws[2].x, 17);
  EXPECT_FLOAT_EQ(draws[2].h, 10);
  EXPECT_EQ(draws[3].kind, RecordedDraw::Line);
  EXPECT_EQ(draws[4].kind, RecordedDraw::Text);
  EXPECT_EQ(draws[4].text, "abc");
  EXPECT_FLOAT_EQ(draws[4].w, 36);
  EXPECT_FLOAT_EQ(draws[4].h, 20);
  ClearRecordedDraws();
  EXPECT_TRUE(RecordedDraws().empty());
  // Nothing to read back without a real back end.
  PresentFrame(-1);
  int w = -1, h = -1;
  EXPECT_TRUE(ReadLastFrame(w, h).empty());
  EXPECT_EQ(w, 0);
  EXPECT_FALSE(SaveScreenshot(testing_support::ScratchDir() / "x.png"));
  FreeImage(image);
}

TEST(GraphicsNullBackend, StateStartsFreshAndPersistsAcrossModes) {
  {
    testing_support::MediaScope media;
    SetDrawColour(9, 9, 9);
    SetClearColour(1, 2, 3);
  }
  testing_support::MediaScope media;
  int r, g, b;
  GetDrawColour(r, g, b);
  EXPECT_EQ(r, 255);
  GetClearColour(r, g, b);
  EXPECT_EQ(r, 0);
  SetDrawColour(4, 5, 6);
  SetDrawScale(2, 3);
  SetClipRect(1, 2, 3, 4);
  OpenGraphicsMode(1024, 768, 32, 60, 0);
  EXPECT_TRUE(IsFullscreen());
  GetDrawColour(r, g, b);
  EXPECT_EQ(g, 5);
  float x, y, w, h;
  GetClipRect(x, y, w, h);
  EXPECT_EQ(h, 4);
  GetDrawScale(x, y);
  EXPECT_EQ(y, 3);
  EXPECT_EQ(LogicalWidth(), 1024);
  SetLogicalResolution(800, 600);
  EXPECT_EQ(LogicalHeight(), 600);
}

TEST(GraphicsNullBackend, FramesRunTheHookAndAdvanceTheVirtualClock) {
  testing_support::MediaScope media;
  long long seen = 0;
  SetFrameHook([&] { seen = PresentedFrames(); });
  const int start = MillisecondClock();
  for (int i = 0; i < 60; ++i) PresentFrame(-1);
  EXPECT_EQ(seen, 60);
  EXPECT_EQ(MillisecondClock() - start, 1000);
  SetFrameHook(nullptr);
}

}  // namespace
