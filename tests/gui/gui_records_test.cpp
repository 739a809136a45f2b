// The small value records: constructors, copies, interpolation, colour and the near colour.
#include <gtest/gtest.h>

#include "app/records.h"
#include "test_support.h"

namespace {

TEST(GuiRecords, GetCloseStaysInRangeAndLeavesTheReceiver) {
  testing_support::MediaScope media;
  SeedRandom(1234);
  const TRGB base = CreateRGB(250, 5, 128);
  bool movedUp = false, movedDown = false;
  for (int i = 0; i < 2000; ++i) {
    TRGB c = base.GetClose(20);
    for (float v : {c.r, c.g, c.b}) {
      EXPECT_GE(v, 0);
      EXPECT_LE(v, 255);
      EXPECT_EQ(v, static_cast<float>(static_cast<int>(v)));
    }
    EXPECT_LE(std::abs(c.b - 128), 20);
    movedUp = movedUp || c.b > 128;
    movedDown = movedDown || c.b < 128;
  }
  EXPECT_TRUE(movedUp && movedDown);
  EXPECT_FLOAT_EQ(base.r, 250);

  TRGB same = base.GetClose(0);
  EXPECT_FLOAT_EQ(same.r, 250);
  EXPECT_FLOAT_EQ(same.g, 5);
  EXPECT_FLOAT_EQ(same.b, 128);
  // Huge or negative ranges neither overflow nor leave the channel range.
  TRGB wild = base.GetClose(-2147483647 - 1);
  EXPECT_GE(wild.g, 0);
  EXPECT_LE(wild.g, 255);
}

TEST(GuiRecords, GetCloseDrawsBlueFirst) {
  testing_support::MediaScope media;
  SeedRandom(99);
  TRGB c = CreateRGB(100, 100, 100).GetClose(50);
  SeedRandom(99);
  int b = RandomInt(-50, 50);
  int g = RandomInt(-50, 50);
  int r = RandomInt(-50, 50);
  EXPECT_FLOAT_EQ(c.b, 100.0f + static_cast<float>(b));
  EXPECT_FLOAT_EQ(c.g, 100.0f + static_cast<float>(g));
  EXPECT_FLOAT_EQ(c.r, 100.0f + static_cast<float>(r));
}

TEST(GuiRecords, ConstructorsCopiesAndLerp) {
  TDim d = CreateDim(3, 4);
  EXPECT_FLOAT_EQ(d.x, 3);
  EXPECT_FLOAT_EQ(d.w, 0);
  EXPECT_FLOAT_EQ(CreateAlpha(0.5f).a, 0.5f);
  EXPECT_FLOAT_EQ(CreateScale(2, 3).sy, 3);
  EXPECT_FALSE(CopyRGB(std::nullopt));
  EXPECT_FLOAT_EQ(CopyRGB(CreateRGB(1, 2, 3))->g, 2);
  EXPECT_FLOAT_EQ(Lerp(10, 20, 0.25f), 12.5f);
  EXPECT_FLOAT_EQ(Lerp(10, 20, 0), 10);

  TRGB out;
  TRGB got = LerpRGB(CreateRGB(0, 100, 200), CreateRGB(100, 100, 0), 0.5f, &out);
  EXPECT_FLOAT_EQ(out.r, 50);
  EXPECT_FLOAT_EQ(out.b, 100);
  EXPECT_FLOAT_EQ(got.r, 50);
  EXPECT_FLOAT_EQ(LerpRGB(CreateRGB(0, 0, 0), CreateRGB(10, 10, 10), 1).g, 10);
}

TEST(GuiRecords, DrawingStateHelpers) {
  testing_support::MediaScope media;
  SetColorRGB(CreateRGB(12.9f, 0.5f, 254.99f));
  int r, g, b;
  GetDrawColour(r, g, b);
  EXPECT_EQ(r, 12);
  EXPECT_EQ(g, 0);
  EXPECT_EQ(b, 254);
  SetScaleBetween(CreateScale(1, 2), CreateScale(3, 6), 0.5f);
  float sx, sy;
  GetDrawScale(sx, sy);
  EXPECT_FLOAT_EQ(sx, 2);
  EXPECT_FLOAT_EQ(sy, 4);
}

}  // namespace
