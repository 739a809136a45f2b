#include "app/frame_stats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/frame_timing.h"
#include "app/update_common.h"
#include "media/media.h"

namespace {

std::vector<long long> updateDrawNs;
std::vector<long long> presentNs;

void Record(const TFrameCost& cost) {
  updateDrawNs.push_back(cost.updateDrawNs);
  presentNs.push_back(cost.presentNs);
}

double Rank(const std::vector<long long>& sorted, double fraction) {
  size_t rank = static_cast<size_t>(std::ceil(fraction * static_cast<double>(sorted.size())));
  rank = std::clamp<size_t>(rank, 1, sorted.size());
  return static_cast<double>(sorted[rank - 1]) / 1e6;
}

std::string Line(const char* what, const TCostSummary& s) {
  char buffer[200];
  std::snprintf(buffer, sizeof buffer, "%s ms: min %.3f median %.3f p99 %.3f max %.3f\n", what,
                s.minMs, s.medianMs, s.p99Ms, s.maxMs);
  return buffer;
}

}  // namespace

TCostSummary SummariseCosts(std::vector<long long> samples) {
  TCostSummary s;
  if (samples.empty()) return s;
  std::sort(samples.begin(), samples.end());
  s.minMs = static_cast<double>(samples.front()) / 1e6;
  s.medianMs = Rank(samples, 0.5);
  s.p99Ms = Rank(samples, 0.99);
  s.maxMs = static_cast<double>(samples.back()) / 1e6;
  return s;
}

std::string FrameStatsText() {
  // The first frame has no previous one to measure its update and draw from.
  std::vector<long long> work(updateDrawNs.begin() + (updateDrawNs.empty() ? 0 : 1),
                              updateDrawNs.end());
  return "frames: " + std::to_string(presentNs.size()) + "\n" +
         Line("update+draw", SummariseCosts(work)) + Line("present", SummariseCosts(presentNs));
}

void StartFrameStats(const std::string& path) {
  updateDrawNs.clear();
  presentNs.clear();
  updateDrawNs.reserve(1 << 16);
  presentNs.reserve(1 << 16);
  SetFrameCostSink(&Record);
  AddExitHook([path] {
    if (!WriteFileBytesAtomic(path, FrameStatsText()))
      PrintLine("Cannot write the statistics file " + path);
  });
}
