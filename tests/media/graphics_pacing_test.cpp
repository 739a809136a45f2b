// Frame pacing: the 16/17/17 ms schedule, no bursts after a stall, and waiting by sleeping.
#include <ctime>

#include "graphics_fixture.h"
#include "media/frame_pacer.h"

namespace {

using media_internal::FramePacer;
using std::chrono::milliseconds;

TEST(GraphicsPacing, SixtyFramesASecondIn16And17MillisecondSteps) {
  FramePacer pacer;
  pacer.SetRate(60);
  auto now = FramePacer::Clock::time_point{} + std::chrono::hours(1);
  EXPECT_EQ(pacer.NextWait(now), FramePacer::Clock::duration::zero());
  std::vector<long long> steps;
  auto previous = now;
  for (int frame = 0; frame < 120; ++frame) {
    now += pacer.NextWait(now);  // the frame itself takes no time
    steps.push_back(std::chrono::duration_cast<milliseconds>(now - previous).count());
    previous = now;
  }
  long long total = 0;
  for (long long s : steps) {
    EXPECT_TRUE(s == 16 || s == 17) << s;
    total += s;
  }
  EXPECT_EQ(steps[0] + steps[1] + steps[2], 50);
  EXPECT_EQ(total, 2000);  // exactly 60 frames a second
}

TEST(GraphicsPacing, AStallStartsANewScheduleInsteadOfRacing) {
  FramePacer pacer;
  pacer.SetRate(60);
  auto now = FramePacer::Clock::time_point{} + std::chrono::hours(1);
  pacer.NextWait(now);
  now += pacer.NextWait(now);
  now += milliseconds(200);  // a long frame
  EXPECT_EQ(pacer.NextWait(now), FramePacer::Clock::duration::zero());
  // The next frames are again 16 or 17 ms apart, not rushed.
  const auto wait = pacer.NextWait(now);
  EXPECT_GE(wait, milliseconds(16));
  EXPECT_LE(wait, milliseconds(17));
}

TEST(GraphicsPacing, RealClockFramesSleepRatherThanSpin) {
  testing_support::MediaScope media(BackendKind::Null, false);
  const auto wallStart = std::chrono::steady_clock::now();
  const std::clock_t cpuStart = std::clock();
  for (int i = 0; i < 31; ++i) PresentFrame(-1);
  const double wallMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallStart)
          .count();
  const double cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  EXPECT_GE(wallMs, 495);   // 30 steps of 16.7 ms: 500 ms
  EXPECT_LT(wallMs, 2000);  // generous: a busy machine may oversleep
  EXPECT_LT(cpuMs, wallMs * 0.25) << "pacing must sleep, not spin";
}

}  // namespace
