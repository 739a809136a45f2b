// Collision layers: opaque pixels as DrawImageAt places them, with scale and rotation.
#include "graphics_fixture.h"

namespace {

class GraphicsCollision : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(media_.ok());
    ResetCollisionLayers(0);
    square_ = CreateImageFromPixels(10, 10, std::vector<uint32_t>(100, 0xFFFFFFFFu), 0);
    point_ = CreateImageFromPixels(1, 1, {0xFFFFFFFFu}, 0);
  }
  void TearDown() override {
    SetDrawRotation(0);
    SetDrawScale(1, 1);
    FreeImage(square_);
    FreeImage(point_);
  }
  bool PointHits(float x, float y) {
    SetDrawRotation(0);
    SetDrawScale(1, 1);
    return !CollideImageAt(point_, x, y, 0, 1, 0, 0).empty();
  }

  testing_support::MediaScope media_;
  TImage* square_ = nullptr;
  TImage* point_ = nullptr;
};

TEST_F(GraphicsCollision, RotatedSquareIsHitOnlyWhereItsPixelsAre) {
  CentreImageAnchor(square_);  // handle (5, 5)
  SetDrawRotation(45);
  EXPECT_TRUE(CollideImageAt(square_, 100, 100, 0, 0, 1, 7).empty());
  // A diamond around (100, 100) reaching about 7 pixels along each axis.
  EXPECT_TRUE(PointHits(100, 100));
  EXPECT_TRUE(PointHits(100, 94));
  EXPECT_TRUE(PointHits(105, 100));
  // The corners of the unturned square are outside the diamond.
  EXPECT_FALSE(PointHits(95.5f, 95.5f));
  EXPECT_FALSE(PointHits(104, 104));
  EXPECT_FALSE(PointHits(100, 108.5f));
}

TEST_F(GraphicsCollision, ScaleOriginIdsAndLayers) {
  SetDrawScale(3, 1);
  CollideImageAt(square_, 10, 10, 0, 0, 1 | 4, 1);  // covers x 10..39, y 10..19
  SetDrawScale(1, 1);
  CollideImageAt(square_, 35, 10, 0, 0, 2, 2);
  EXPECT_TRUE(PointHits(38, 15));
  EXPECT_FALSE(PointHits(41, 15));
  std::vector<int> ids = CollideImageAt(point_, 36, 12, 0, 1 | 2, 0, 0);
  EXPECT_EQ(ids, (std::vector<int>{1, 2}));
  // The origin shifts placement like drawing.
  SetDrawOrigin(100, 0);
  EXPECT_TRUE(CollideImageAt(point_, -65, 12, 0, 2, 0, 0) == std::vector<int>{2});
  SetDrawOrigin(0, 0);
  // Clearing one layer leaves the others.
  ResetCollisionLayers(1);
  EXPECT_FALSE(PointHits(15, 15));
  EXPECT_EQ(CollideImageAt(point_, 15, 15, 0, 4, 0, 0), std::vector<int>{1});
  ResetCollisionLayers(0);
  EXPECT_TRUE(CollideImageAt(point_, 15, 15, 0, 0xFFFFFFFFu, 0, 0).empty());
}

TEST_F(GraphicsCollision, TransparentPixelsNeverHit) {
  std::vector<uint32_t> ring(9, 0xFFFFFFFFu);
  ring[4] = 0x00FFFFFFu;  // a hole in the middle
  TImage* image = CreateImageFromPixels(3, 3, ring, 0);
  CollideImageAt(image, 50, 50, 0, 0, 1, 3);
  EXPECT_TRUE(PointHits(50, 50));
  EXPECT_FALSE(PointHits(51, 51));
  // The picture may be freed; the layer keeps what it needs.
  FreeImage(image);
  EXPECT_TRUE(PointHits(52, 52));
}

}  // namespace
