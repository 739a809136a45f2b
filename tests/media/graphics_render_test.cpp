// Drawing on the real OpenGL back end (offscreen driver), checked on the pixels read back.
#include <cmath>

#include "graphics_fixture.h"

namespace {

using graphics_testing::Near;
using graphics_testing::RealScreen;
using graphics_testing::Rgb;

using GraphicsRender = RealScreen;

TEST_F(GraphicsRender, BlendModesCombineSourceAndDestinationAsSpecified) {
  struct Case {
    int mode;
    float alpha;
    Rgb expected;  // over a (100, 100, 100) background, drawing (200, 50, 20)
  };
  const Case cases[] = {
      {kBlendMasked, 0.6f, {200, 50, 20}},    // alpha at least one half: drawn opaque
      {kBlendMasked, 0.4f, {100, 100, 100}},  // under one half: not drawn
      {kBlendSolid, 0.3f, {200, 50, 20}},     // alpha ignored
      {kBlendAlpha, 0.5f, {150, 75, 60}},     // src * a + dst * (1 - a)
      {kBlendLight, 0.5f, {200, 125, 110}},   // src * a + dst
      {kBlendLight, 1.0f, {255, 150, 120}},   // saturates at white
      {kBlendShade, 0.2f, {78, 20, 8}},       // dst * src colour, alpha ignored
  };
  SetClearColour(100, 100, 100);
  ClearBackBuffer();
  int x = 0;
  for (const Case& c : cases) {
    SetBlendMode(c.mode);
    SetDrawColour(200, 50, 20);
    SetDrawAlpha(c.alpha);
    FillRect(float(x), 0, 20, 20);
    x += 40;
  }
  Show();
  x = 0;
  for (const Case& c : cases) {
    EXPECT_TRUE(Near(At(x + 10, 10), c.expected)) << "mode " << c.mode << " alpha " << c.alpha;
    x += 40;
  }
}

TEST_F(GraphicsRender, ColourAndAlphaMultiplyThePicture) {
  TImage* image = CreateImageFromPixels(2, 1, {0xFFC86432u, 0x80FFFFFFu}, kImageDefault);
  ASSERT_NE(image, nullptr);
  SetBlendMode(kBlendAlpha);
  SetDrawColour(128, 255, 0);
  SetDrawAlpha(1);
  DrawImageAt(image, 10, 10);
  SetDrawColour(255, 255, 255);
  SetDrawAlpha(0.5f);
  DrawImageAt(image, 20, 20);  // second pixel: picture alpha 0.5 times draw alpha 0.5
  Show();
  EXPECT_TRUE(Near(At(10, 10), {100, 100, 0}));  // (200, 100, 50) times (0.5, 1, 0)
  EXPECT_TRUE(Near(At(21, 20), {64, 64, 64}));   // white at a quarter over black
  FreeImage(image);
}

TEST_F(GraphicsRender, HandleScaleAndRotationPlaceThePicture) {
  const uint32_t red = 0xFFFF0000u;
  TImage* bar = CreateImageFromPixels(10, 2, std::vector<uint32_t>(20, red), 0);
  ASSERT_NE(bar, nullptr);
  SetBlendMode(kBlendAlpha);
  // Handle (5, 1): the bar's centre lands on (100, 100).
  SetImageAnchor(bar, 5, 1);
  DrawImageAt(bar, 100, 100);
  // Turned 90 degrees clockwise around its handle (0, 0): it hangs down from (300, 100).
  SetImageAnchor(bar, 0, 0);
  SetDrawRotation(90);
  DrawImageAt(bar, 300, 100);
  // Scaled (2, 3) around a centred handle.
  SetDrawRotation(0);
  SetDrawScale(2, 3);
  CentreImageAnchor(bar);
  EXPECT_EQ(ImageAnchorX(bar), 5);
  EXPECT_EQ(ImageAnchorY(bar), 1);
  DrawImageAt(bar, 500, 100);
  SetDrawScale(1, 1);
  Show();
  const Rgb on{255, 0, 0}, off{0, 0, 0};
  struct Probe {
    int x, y;
    Rgb expected;
  } probes[] = {
      {95, 99, on},    {104, 100, on},  {94, 100, off},  {105, 100, off},
      {100, 98, off},  {100, 101, off},  // placed by handle
      {298, 100, on},  {299, 109, on},  {300, 105, off}, {297, 105, off},
      {298, 110, off}, {305, 100, off},  // rotated: x from 298 to 299, y from 100 to 109
      {490, 97, on},   {509, 102, on},  {489, 100, off}, {510, 100, off},
      {500, 96, off},  {500, 103, off},  // scaled: x from 490 to 509, y from 97 to 102
  };
  for (const auto& p : probes)
    EXPECT_TRUE(Near(At(p.x, p.y), p.expected)) << "at (" << p.x << ", " << p.y << ")";
  FreeImage(bar);
}

TEST_F(GraphicsRender, ImageRectStretchesASourceRectangleAroundItsHandle) {
  // Left half green, right half blue.
  std::vector<uint32_t> pixels(16);
  for (int i = 0; i < 16; ++i) pixels[size_t(i)] = (i % 4) < 2 ? 0xFF00FF00u : 0xFF0000FFu;
  TImage* image = CreateImageFromPixels(4, 4, pixels, 0);
  ASSERT_NE(image, nullptr);
  SetBlendMode(kBlendAlpha);
  // The blue half (2, 0, 2, 4) stretched to 20 x 40; its point (2, 4) in source pixels (the
  // bottom right corner, scaled by 10) lands on (200, 200).
  DrawImageRect(image, 200, 200, 20, 40, 2, 0, 2, 4, 2, 4);
  Show();
  EXPECT_TRUE(Near(At(181, 161), {0, 0, 255}));
  EXPECT_TRUE(Near(At(199, 199), {0, 0, 255}));
  EXPECT_TRUE(Near(At(200, 199), {0, 0, 0}));
  EXPECT_TRUE(Near(At(179, 180), {0, 0, 0}));
  EXPECT_TRUE(Near(At(190, 159), {0, 0, 0}));
  FreeImage(image);
}

TEST_F(GraphicsRender, ClipRectangleOriginAndLines) {
  SetBlendMode(kBlendSolid);
  SetDrawColour(0, 255, 0);
  SetClipRect(10, 10, 20, 20);
  FillRect(0, 0, 1024, 768);
  SetClipRect(0, 0, 1024, 768);
  SetDrawOrigin(50, 60);
  SetDrawColour(255, 0, 0);
  FillRect(0, 0, 1, 1);
  SetDrawOrigin(0, 0);
  SetDrawColour(0, 0, 255);
  DrawLineSeg(100, 300, 110, 300, true);
  DrawLineSeg(100, 310, 110, 310, false);
  DrawLineSeg(200, 300, 200, 305, true);
  Show();
  EXPECT_TRUE(Near(At(10, 10), {0, 255, 0}));
  EXPECT_TRUE(Near(At(29, 29), {0, 255, 0}));
  EXPECT_TRUE(Near(At(9, 15), {0, 0, 0}));
  EXPECT_TRUE(Near(At(30, 15), {0, 0, 0}));
  EXPECT_TRUE(Near(At(50, 60), {255, 0, 0}));
  EXPECT_TRUE(Near(At(51, 60), {0, 0, 0}));
  EXPECT_TRUE(Near(At(100, 300), {0, 0, 255}));
  EXPECT_TRUE(Near(At(110, 300), {0, 0, 255}));  // last pixel drawn
  EXPECT_TRUE(Near(At(111, 300), {0, 0, 0}));
  EXPECT_TRUE(Near(At(109, 310), {0, 0, 255}));
  EXPECT_TRUE(Near(At(110, 310), {0, 0, 0}));  // last pixel left out
  EXPECT_TRUE(Near(At(99, 300), {0, 0, 0}));
  EXPECT_TRUE(Near(At(200, 305), {0, 0, 255}));
  EXPECT_TRUE(Near(At(201, 303), {0, 0, 0}));
}

TEST_F(GraphicsRender, TextIsDrawnWithTheBuiltInFontAndTheScreenshotMatchesTheFrame) {
  SetTextFont(nullptr);
  SetBlendMode(kBlendAlpha);
  SetDrawColour(255, 255, 255);
  DrawTextAt("HI", 100, 100);
  Show();
  int lit = 0;
  for (int y = 100; y < 100 + FontLineHeight(); ++y)
    for (int x = 100; x < 100 + TextWidthOf("HI"); ++x) lit += At(x, y).r > 128;
  EXPECT_GT(lit, 40);
  EXPECT_TRUE(Near(At(99, 99), {0, 0, 0}));

  testing_support::ScratchDir dir;
  ASSERT_TRUE(SaveScreenshot(dir / "shot.png"));
  TPixmap* shot = LoadPixmapFile(dir / "shot.png");
  ASSERT_NE(shot, nullptr);
  EXPECT_EQ(PixmapWidth(shot), 1024);
  EXPECT_EQ(PixmapHeight(shot), 768);
  for (int y = 95; y < 130; y += 3)
    for (int x = 95; x < 130; x += 3)
      EXPECT_EQ(PixmapPixel(shot, x, y), frame_[size_t(y) * 1024 + size_t(x)]);
  FreePixmap(shot);
}

TEST_F(GraphicsRender, PicturesAndFontsSurviveReopeningTheMode) {
  TImage* image = CreateImageFromPixels(4, 4, std::vector<uint32_t>(16, 0xFF00FFFFu), 0);
  ASSERT_NE(image, nullptr);
  DrawImageAt(image, 0, 0);
  Show();
  ASSERT_EQ(OpenGraphicsMode(1024, 768, 32, 60, 0), 1);
  EXPECT_TRUE(IsFullscreen());
  ASSERT_EQ(OpenGraphicsMode(1024, 768, 0, 60, 0), 1);
  EXPECT_FALSE(IsFullscreen());
  ClearBackBuffer();
  SetBlendMode(kBlendAlpha);
  DrawImageAt(image, 40, 40);
  DrawTextAt("X", 80, 80);
  Show();
  EXPECT_TRUE(Near(At(41, 41), {0, 255, 255}));
  EXPECT_TRUE(Near(At(2, 2), {0, 0, 0}));
  FreeImage(image);
}

TEST_F(GraphicsRender, ManyQuadsAcrossBatchesAllArrive) {
  // More quads than one batch holds, alternating textures and blend modes.
  TImage* a = CreateImageFromPixels(1, 1, {0xFFFF0000u}, 0);
  TImage* b = CreateImageFromPixels(1, 1, {0xFF0000FFu}, 0);
  SetBlendMode(kBlendAlpha);
  for (int i = 0; i < 10000; ++i) DrawImageAt(i % 2 ? b : a, float(i % 1000), float(i / 1000));
  Show();
  EXPECT_TRUE(Near(At(0, 0), {255, 0, 0}));
  EXPECT_TRUE(Near(At(1, 0), {0, 0, 255}));
  EXPECT_TRUE(Near(At(999, 9), {0, 0, 255}));
  FreeImage(a);
  FreeImage(b);
}

}  // namespace
