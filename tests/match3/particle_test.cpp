// Particles on the millisecond clock: delays, ageing, alpha curves, removal, pause and resume,
// the emission guards and the small emitters.
#include <gtest/gtest.h>

#include "board_fixture.h"

namespace {

class ParticleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(media.ok());
    board_test::MakeParticleImages();
    ParticleList.Clear();
    SeedRandom(3);
  }
  void TearDown() override {
    board_test::FreeTestImages();
    ParticleList.Clear();
    for (auto& slot : ParticleImages) slot = nullptr;
  }
  static TRGB White() {
    TRGB c;
    c.r = c.g = c.b = 255;
    return c;
  }
  testing_support::MediaScope media;
};

TEST_F(ParticleTest, DelayedParticleNeitherAgesNorDrawsUntilItsTime) {
  auto p =
      CreateParticle(1, 100, 100, 200, 100, 150, 100, White(), 1, 0, 1, 2, 0, 90, 4, 100, 1000);
  ASSERT_TRUE(p);
  EXPECT_EQ(ParticleList.Count(), 1);
  AdvanceVirtualClock(99);
  ClearRecordedDraws();
  UpdateAndDrawParticles();
  EXPECT_TRUE(RecordedDraws().empty());
  EXPECT_EQ(p->bornTime, 0);
  AdvanceVirtualClock(1);
  int born = MillisecondClock();
  UpdateAndDrawParticles();
  EXPECT_EQ(p->bornTime, born);
  ASSERT_EQ(RecordedDraws().size(), 1u);
  EXPECT_EQ(RecordedDraws()[0].x, 100.0f);
  // Half its life later it is half way along the curve, half faded, half grown and turned.
  AdvanceVirtualClock(500);
  UpdateAndDrawParticles();
  EXPECT_FLOAT_EQ(p->lifePer, 0.5f);
  EXPECT_FLOAT_EQ(p->a, 0.5f);
  EXPECT_FLOAT_EQ(p->s, 1.5f);
  EXPECT_FLOAT_EQ(p->r, 45.0f);
  EXPECT_FLOAT_EQ(p->x, 150.0f);
  EXPECT_EQ(RecordedDraws().back().blend, kBlendLight);
  EXPECT_FLOAT_EQ(RecordedDraws().back().scaleX, 1.5f);
  // The drawing state is reset after the pass.
  EXPECT_EQ(GetBlendMode(), kBlendAlpha);
  EXPECT_EQ(GetDrawAlpha(), 1.0f);
}

TEST_F(ParticleTest, DeadAlphaPeaksAtMidLife) {
  auto p = CreateParticle(1, 10, 10, 10, 10, 10, 10, White(), 0.2f, 0.9f, 1, 1, 0, 0, 4, 0, 1000);
  ASSERT_TRUE(p);
  p->deadAlpha = 1;
  p->update();
  EXPECT_FLOAT_EQ(p->a, 0.2f);
  AdvanceVirtualClock(500);
  p->update();
  EXPECT_FLOAT_EQ(p->a, 1.0f);
  AdvanceVirtualClock(250);
  p->update();
  EXPECT_FLOAT_EQ(p->a, 0.6f);
  AdvanceVirtualClock(250);
  p->update();
  EXPECT_FLOAT_EQ(p->a, 0.2f);  // back at the start, whatever the end alpha says
}

TEST_F(ParticleTest, ExpiredParticleIsDrawnOnceMoreInItsFinalState) {
  auto p = CreateParticle(2, 10, 10, 50, 10, 30, 10, White(), 1, 0, 1, 1, 0, 0, 4, 0, 100);
  ASSERT_TRUE(p);
  UpdateAndDrawParticles();
  AdvanceVirtualClock(101);
  ClearRecordedDraws();
  UpdateAndDrawParticles();
  EXPECT_EQ(ParticleList.Count(), 0);
  ASSERT_EQ(RecordedDraws().size(), 1u);
  EXPECT_FLOAT_EQ(RecordedDraws()[0].x, 50.0f);
  EXPECT_FLOAT_EQ(RecordedDraws()[0].alpha, 0.0f);
}

TEST_F(ParticleTest, PauseAndResumeShiftWaitingAndLivingParticles) {
  auto waiting = CreateParticle(1, 1, 1, 1, 1, 1, 1, White(), 1, 0, 1, 1, 0, 0, 4, 200, 1000);
  auto living = CreateParticle(1, 1, 1, 1, 1, 1, 1, White(), 1, 0, 1, 1, 0, 0, 4, 0, 1000);
  UpdateAndDrawParticles();
  int born = living->bornTime;
  int start = waiting->startTime;
  TParticle::pauseAll();
  AdvanceVirtualClock(5000);
  TParticle::resumeAll();
  EXPECT_EQ(waiting->startTime, start + 5000);
  EXPECT_EQ(waiting->bornTime, 0);
  EXPECT_EQ(living->bornTime, born + 5000);
  UpdateAndDrawParticles();
  EXPECT_EQ(ParticleList.Count(), 2);  // neither aged during the pause
  EXPECT_EQ(living->lifePer, 0.0f);
  EXPECT_EQ(waiting->bornTime, 0);
}

TEST_F(ParticleTest, EmissionGuards) {
  EXPECT_EQ(CreateParticle(1, 0, 0, 5, 5, 5, 5, White(), 1, 0, 1, 1, 0, 0, 4, 0, 10), nullptr);
  EXPECT_EQ(CreateParticle(-1, 5, 5, 5, 5, 5, 5, White(), 1, 0, 1, 1, 0, 0, 4, 0, 10), nullptr);
  EXPECT_EQ(CreateParticle(30, 5, 5, 5, 5, 5, 5, White(), 1, 0, 1, 1, 0, 0, 4, 0, 10), nullptr);
  ParticleImages[27] = nullptr;
  EXPECT_EQ(CreateParticle(27, 5, 5, 5, 5, 5, 5, White(), 1, 0, 1, 1, 0, 0, 4, 0, 10), nullptr);
  EXPECT_EQ(ParticleList.Count(), 0);
  // A start on one axis only is fine; a life of 0 counts as 1 ms.
  auto p = CreateParticle(1, 0, 5, 5, 5, 5, 5, White(), 1, 0, 1, 1, 0, 0, 4, 0, 0);
  ASSERT_TRUE(p);
  p->update();
  AdvanceVirtualClock(2);
  p->update();
  EXPECT_EQ(p->lifePer, 1.0f);
  EXPECT_EQ(ParticleList.Count(), 0);
}

TEST_F(ParticleTest, OwnListsAndClearing) {
  TList<TParticle> own;
  auto p = CreateParticle(1, 5, 5, 5, 5, 5, 5, White(), 1, 0, 1, 1, 0, 0, 4, 0, 10, &own);
  ASSERT_TRUE(p);
  EXPECT_EQ(own.Count(), 1);
  EXPECT_EQ(ParticleList.Count(), 0);
  AdvanceVirtualClock(5);
  UpdateAndDrawParticles(&own);
  AdvanceVirtualClock(20);
  UpdateAndDrawParticles(&own);
  EXPECT_EQ(own.Count(), 0);
  CreateParticle(1, 5, 5, 5, 5, 5, 5, White(), 1, 0, 1, 1, 0, 0, 4, 0, 10);
  ClearParticles();
  EXPECT_EQ(ParticleList.Count(), 0);
}

TEST_F(ParticleTest, SmallEmittersStayWithinTheirRanges) {
  for (int i = 0; i < 100; ++i) {
    for (int dir : {-1, 0, 1}) {
      auto p = EmitChainPiece(13, 100.7f, 200.2f, dir, dir == 1);
      ASSERT_TRUE(p);
      EXPECT_EQ(p->x1, 100.0f);
      EXPECT_EQ(p->y1, 200.0f);
      EXPECT_GE(p->y2, 250.0f);
      EXPECT_LE(p->y2, 280.0f);
      EXPECT_EQ(p->mx, p->x2);
      EXPECT_EQ(p->my, 200.0f);
      float dx = p->x2 - 100;
      const float lo[3] = {-30, -10, 15}, hi[3] = {-15, 10, 30};
      EXPECT_GE(dx, lo[dir + 1]);
      EXPECT_LE(dx, hi[dir + 1]);
      EXPECT_EQ(p->startR, dir == 1 ? -45.0f : 45.0f);
      EXPECT_EQ(p->blend, kBlendAlpha);
      EXPECT_EQ(p->lifeTime, 1000);
    }
  }
  auto spark = EmitMapSparkle(40, 50);
  ASSERT_TRUE(spark);
  EXPECT_EQ(spark->toMap, 1);
  TDim from, to;
  from.x = 10;
  from.y = 10;
  to.x = 110;
  to.y = 60;
  auto drop = EmitRiverDrop(from, to);
  ASSERT_TRUE(drop);
  EXPECT_EQ(drop->toMap, 1);
  EXPECT_EQ(drop->mx, drop->x1 + static_cast<float>(static_cast<int>(drop->x2 - drop->x1) / 2));
  EXPECT_EQ(drop->startA, 0.15f);
  int before = ParticleList.Count();
  EXPECT_EQ(EmitMenuGlint(2, 300, 300), nullptr);
  ASSERT_EQ(ParticleList.Count(), before + 1);
  auto glint = ParticleList.Last();
  EXPECT_EQ(glint->n, 24);
  EXPECT_EQ(glint->deadAlpha, 1.0f);
}

}  // namespace
