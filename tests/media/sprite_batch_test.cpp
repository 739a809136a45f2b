// The sprite batcher: quads of different pictures share draws when they do not overlap, and every
// pixel still sees the quads covering it in the order they were drawn.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

#include "media/sprite_batch.h"

using media_internal::BatchKey;
using media_internal::BatchSink;
using media_internal::BatchVertex;
using media_internal::GpuTexture;
using media_internal::SpriteBatch;

namespace {

// Remembers each draw: its key and the quads' ids (kept in the colour word).
class RecordingSink final : public BatchSink {
 public:
  struct Draw {
    BatchKey key;
    std::vector<uint32_t> ids;
  };
  void DrawBatch(const BatchKey& key, const BatchVertex* vertices, int quadCount) override {
    Draw d{key, {}};
    for (int i = 0; i < quadCount; ++i) d.ids.push_back(vertices[i * 4].rgba);
    draws.push_back(d);
  }
  std::vector<Draw> draws;
};

struct Rect {
  float x, y, w, h;
};

void AddQuad(SpriteBatch& batch, GpuTexture* texture, Rect r, uint32_t id, int blend = 3) {
  BatchVertex four[4] = {{r.x, r.y, 0, 0, id},
                         {r.x + r.w, r.y, 1, 0, id},
                         {r.x + r.w, r.y + r.h, 1, 1, id},
                         {r.x, r.y + r.h, 0, 1, id}};
  batch.Add(BatchKey{texture, blend, {}}, four);
}

class SpriteBatchTest : public ::testing::Test {
 protected:
  // The draws as lists of quad ids.
  std::vector<std::vector<uint32_t>> Draws() const {
    std::vector<std::vector<uint32_t>> out;
    for (auto& d : sink.draws) out.push_back(d.ids);
    return out;
  }
  GpuTexture a, b, c;
  RecordingSink sink;
  SpriteBatch batch{&sink};
};

TEST_F(SpriteBatchTest, QuadsThatDoNotOverlapShareOneDrawPerPicture) {
  // A row of cells alternating between two pictures, each 48 wide and touching the next.
  for (uint32_t i = 0; i < 6; ++i)
    AddQuad(batch, i % 2 ? &b : &a, {48.0f * static_cast<float>(i), 0, 48, 48}, i);
  EXPECT_EQ(batch.pendingQuads(), 6);
  EXPECT_TRUE(batch.Uses(&a));
  EXPECT_TRUE(batch.Uses(&b));
  EXPECT_FALSE(batch.Uses(&c));
  batch.Flush();
  EXPECT_EQ(Draws(), (std::vector<std::vector<uint32_t>>{{0, 2, 4}, {1, 3, 5}}));
  EXPECT_EQ(batch.pendingQuads(), 0);
  EXPECT_FALSE(batch.Uses(&a));
}

TEST_F(SpriteBatchTest, AnOverlapKeepsTheOrder) {
  AddQuad(batch, &a, {0, 0, 48, 48}, 1);
  AddQuad(batch, &b, {20, 20, 48, 48}, 2);  // over quad 1
  AddQuad(batch, &a, {40, 40, 48, 48}, 3);  // over quad 2: must come after it
  AddQuad(batch, &a, {200, 0, 10, 10}, 4);  // clear of everything: joins quad 3's draw
  // Same picture, other blend mode: a draw of its own.
  AddQuad(batch, &a, {300, 0, 10, 10}, 5, 1);
  batch.Flush();
  EXPECT_EQ(Draws(), (std::vector<std::vector<uint32_t>>{{1}, {2}, {3, 4}, {5}}));
}

TEST_F(SpriteBatchTest, LightQuadsPassOneAnotherButNotOtherBlends) {
  const int light = 4, alpha = 3;
  AddQuad(batch, &a, {0, 0, 32, 32}, 1, light);
  AddQuad(batch, &b, {8, 8, 32, 32}, 2, light);
  AddQuad(batch, &a, {16, 16, 32, 32}, 3, light);  // over both: joins quad 1, adding commutes
  AddQuad(batch, &c, {0, 0, 64, 64}, 4, alpha);    // covers them all
  AddQuad(batch, &a, {4, 4, 8, 8}, 5, light);      // over quad 4: must stay after it
  batch.Flush();
  EXPECT_EQ(Draws(), (std::vector<std::vector<uint32_t>>{{1, 3}, {2}, {4}, {5}}));
}

TEST_F(SpriteBatchTest, RotatedQuadsAreTestedByTheirBounds) {
  AddQuad(batch, &a, {0, 0, 10, 10}, 1);
  // A diamond whose corners reach into the box of the next quad.
  BatchVertex diamond[4] = {
      {30, 0, 0, 0, 2}, {45, 15, 1, 0, 2}, {30, 30, 1, 1, 2}, {15, 15, 0, 1, 2}};
  batch.Add(BatchKey{&b, 3, {}}, diamond);
  AddQuad(batch, &a, {40, 10, 10, 10}, 3);
  batch.Flush();
  EXPECT_EQ(Draws(), (std::vector<std::vector<uint32_t>>{{1}, {2}, {3}}));
}

// Many pictures and random rectangles on a small screen, some adding light: whatever the
// grouping, every pixel is painted by the quads covering it in the order they were added, except
// that light quads between the same two other quads may come in any order; nothing is lost.
TEST_F(SpriteBatchTest, EveryPixelSeesItsQuadsInDrawingOrder) {
  std::vector<GpuTexture> textures(40);
  std::mt19937 rng(11);
  for (int round = 0; round < 20; ++round) {
    sink.draws.clear();
    const int kinds = round < 10 ? 3 : 40;  // few pictures, and more than stay open at once
    const int count = 50 + round * 40;
    std::vector<Rect> rects;
    std::vector<bool> light;
    for (int i = 0; i < count; ++i) {
      Rect r{static_cast<float>(rng() % 90), static_cast<float>(rng() % 90),
             static_cast<float>(1 + rng() % 12), static_cast<float>(1 + rng() % 12)};
      rects.push_back(r);
      light.push_back(rng() % 3 != 0);
      AddQuad(batch, &textures[rng() % kinds], r, static_cast<uint32_t>(i), light.back() ? 4 : 3);
    }
    batch.Flush();
    std::vector<uint32_t> drawn;
    for (auto& d : sink.draws) drawn.insert(drawn.end(), d.ids.begin(), d.ids.end());
    ASSERT_EQ(static_cast<int>(drawn.size()), count) << "round " << round;
    EXPECT_LT(sink.draws.size(), static_cast<size_t>(count)) << "round " << round;
    std::vector<int> position(static_cast<size_t>(count));
    for (size_t p = 0; p < drawn.size(); ++p) position[drawn[p]] = static_cast<int>(p);
    int faults = 0;
    for (int y = 0; y < 102; ++y) {
      for (int x = 0; x < 102; ++x) {
        // The pixel centre decides which quads cover the pixel.
        const float px = static_cast<float>(x) + 0.5f, py = static_cast<float>(y) + 0.5f;
        // Each quad covering the pixel must be drawn after the last other-blend quad before
        // it and before the next other-blend quad after it; two other-blend quads keep their
        // order.
        std::vector<int> cover;
        for (int i = 0; i < count; ++i) {
          const Rect& r = rects[static_cast<size_t>(i)];
          if (px >= r.x && px < r.x + r.w && py >= r.y && py < r.y + r.h) cover.push_back(i);
        }
        for (size_t j = 0; j < cover.size(); ++j) {
          for (size_t k = j + 1; k < cover.size(); ++k) {
            const int p = cover[j], q = cover[k];
            const bool mayPass = light[static_cast<size_t>(p)] && light[static_cast<size_t>(q)];
            if (!mayPass && position[static_cast<size_t>(p)] > position[static_cast<size_t>(q)])
              ++faults;
          }
        }
      }
    }
    EXPECT_EQ(faults, 0) << "round " << round;
  }
}

TEST_F(SpriteBatchTest, AFullPoolDrawsEverythingAndGoesOn) {
  for (int i = 0; i < SpriteBatch::kMaxQuads + 3; ++i)
    AddQuad(batch, i % 2 ? &b : &a, {static_cast<float>(i % 50) * 10, 0, 10, 10},
            static_cast<uint32_t>(i));
  // The pool filled up once: every quad so far was drawn, the last three wait.
  EXPECT_EQ(batch.pendingQuads(), 3);
  batch.Flush();
  size_t total = 0;
  for (auto& d : sink.draws) total += d.ids.size();
  EXPECT_EQ(total, static_cast<size_t>(SpriteBatch::kMaxQuads + 3));
}

}  // namespace
