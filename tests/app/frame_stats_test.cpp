// --stats: the nearest-rank summary of per-frame costs.
#include "app/frame_stats.h"

#include <gtest/gtest.h>

TEST(AppFrameStats, SummaryOfCosts) {
  TCostSummary none = SummariseCosts({});
  EXPECT_EQ(none.minMs + none.medianMs + none.p99Ms + none.maxMs, 0.0);
  TCostSummary one = SummariseCosts({2000000});
  EXPECT_EQ(one.minMs, 2.0);
  EXPECT_EQ(one.medianMs, 2.0);
  EXPECT_EQ(one.p99Ms, 2.0);
  EXPECT_EQ(one.maxMs, 2.0);
  // 1..100 ms given out of order: the median is the 50th, the 99th percentile the 99th.
  std::vector<long long> samples;
  for (int i = 100; i >= 1; --i) samples.push_back(i * 1000000LL);
  TCostSummary s = SummariseCosts(samples);
  EXPECT_EQ(s.minMs, 1.0);
  EXPECT_EQ(s.medianMs, 50.0);
  EXPECT_EQ(s.p99Ms, 99.0);
  EXPECT_EQ(s.maxMs, 100.0);
}
