// The media clock: never 0, monotonic, and the virtual clock's frame pattern.
#include <gtest/gtest.h>

#include "media/clock_random.h"
#include "media/internal.h"
#include "test_support.h"

namespace {

TEST(CoreClock, VirtualClockAdvancesSixtyFramesPerSecond) {
  testing_support::MediaScope media;
  ASSERT_TRUE(VirtualClockInUse());
  const int start = MillisecondClock();
  EXPECT_GE(start, 1);  // 0 stays free for "not set"
  EXPECT_EQ(MillisecondClock(), start) << "the virtual clock stands still between frames";
  int previous = start;
  for (int frame = 1; frame <= 60; ++frame) {
    media_internal::ClockOnFramePresented();
    const int now = MillisecondClock();
    const int step = now - previous;
    EXPECT_TRUE(step == 16 || step == 17) << "frame " << frame;
    previous = now;
    if (frame % 3 == 0) {
      EXPECT_EQ(now - start, frame / 3 * 50);
    }
  }
  EXPECT_EQ(MillisecondClock() - start, 1000);
  AdvanceVirtualClock(250);
  AdvanceVirtualClock(-40);  // going backwards is refused
  EXPECT_EQ(MillisecondClock() - start, 1250);
}

TEST(CoreClock, PresentedFramesDriveTheVirtualClock) {
  testing_support::MediaScope media;
  const int start = MillisecondClock();
  for (int i = 0; i < 120; ++i) PresentFrame(-1);
  EXPECT_EQ(MillisecondClock() - start, 2000);
}

TEST(CoreClock, SwitchingClocksNeverRunsBackwards) {
  media_internal::ClockReset(false);
  const int real = MillisecondClock();
  EXPECT_GE(real, 1);
  UseVirtualClock(true);
  AdvanceVirtualClock(5000);
  const int virtualNow = MillisecondClock();
  EXPECT_GE(virtualNow, real + 5000);
  UseVirtualClock(false);
  EXPECT_GE(MillisecondClock(), virtualNow);
  EXPECT_FALSE(VirtualClockInUse());
  // The real clock does not advance under the virtual frame pattern.
  const int before = MillisecondClock();
  media_internal::ClockOnFramePresented();
  EXPECT_LT(MillisecondClock() - before, 16);
}

}  // namespace
