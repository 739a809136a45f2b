// Captions, fantoms and flying chests: their lengths in frames at 60 frames per second.
#include <gtest/gtest.h>

#include "board_fixture.h"
#include "match3/caption.h"
#include "match3/fantom.h"
#include "match3/flying_chest.h"

namespace {

class EffectsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(media.ok());
    board_test::ClearEffects();
    FrameDelta = 1;
  }
  void TearDown() override {
    board_test::ClearEffects();
    board_test::FreeTestImages();
  }
  testing_support::MediaScope media;
};

TEST_F(EffectsTest, CaptionLengths) {
  struct Case {
    int typ, frames;
  };
  const Case listed[] = {{kCaptionInfo, 50}, {kCaptionInfo2, 200}, {kCaptionSpecial, 70}};
  for (const Case& k : listed) {
    SCOPED_TRACE(k.typ);
    NewCaption(2, 512, 384, k.typ, 0);
    int n = 0;
    while (CaptionList.Count() > 0 && n < 1000) {
      UpdateAndDrawCaptions();
      ++n;
    }
    EXPECT_EQ(n, k.frames);
  }
  // START is kept by the game screen and reports its end after 150 frames.
  auto start = NewCaption(0, 512, 400, kCaptionStart, 0);
  EXPECT_EQ(CaptionList.Count(), 0);
  int n = 0;
  while (!start->isEnd() && n < 1000) {
    start->update();
    ++n;
  }
  EXPECT_EQ(n, 150);
  EXPECT_FLOAT_EQ(start->a, 0.0f);
  // A delayed caption waits.
  auto later = NewCaption(1, 512, 400, kCaptionEnd, 500);
  later->update();
  EXPECT_EQ(later->p, 0.0f);
}

TEST_F(EffectsTest, FantomsHideTheirCellUntilBuiltIn) {
  auto tile = NewTile(1);
  tile->drawX = 100;
  tile->drawY = 100;
  auto in = NewFantomIn(tile, 0);
  EXPECT_EQ(tile->_fantom, in);
  EXPECT_EQ(AllFantomsDone(), 0);
  int n = 0;
  while (FantomList.Count() > 0 && n < 100) {
    UpdateFantoms();
    ++n;
  }
  EXPECT_EQ(n, 20);
  EXPECT_EQ(tile->_fantom, nullptr);  // the cell draws itself again
  EXPECT_EQ(AllFantomsDone(), 1);

  auto out = NewFantomOut(tile, 0);
  EXPECT_FLOAT_EQ(out->scale, 1.0f);
  n = 0;
  while (FantomList.Count() > 0 && n < 100) {
    UpdateFantoms();
    ++n;
  }
  EXPECT_EQ(n, 50);
  EXPECT_EQ(tile->_fantom, out);  // stays hidden after the build-out
}

TEST_F(EffectsTest, FlyingChestFallsOffTheScreen) {
  auto chest = NewFlyingChest(500, 300);
  EXPECT_EQ(chest->vy, -5.0f);
  float fastest = 0;
  int n = 0;
  while (FlyingChestList.Count() > 0 && n < 1000) {
    UpdateAndDrawFlyingChests();
    fastest = std::max(fastest, chest->vy);
    ++n;
  }
  EXPECT_LT(n, 1000);
  EXPECT_FLOAT_EQ(fastest, 5.0f);
  EXPECT_GT(chest->y, 800.0f);
}

}  // namespace
