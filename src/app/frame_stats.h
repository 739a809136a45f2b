// --stats: the CPU time of every frame's update and draw and of its presentation, summarised at
// exit (count, minimum, median, 99th percentile, maximum).
#pragma once

#include <string>
#include <vector>

struct TCostSummary {
  double minMs = 0, medianMs = 0, p99Ms = 0, maxMs = 0;
};
// Nearest-rank summary of samples in nanoseconds; all 0 for no samples.
TCostSummary SummariseCosts(std::vector<long long> samplesNs);
// The statistics text for the frames recorded so far.
std::string FrameStatsText();
// Starts recording every presented frame and writes the text to path when the game ends.
void StartFrameStats(const std::string& path);
