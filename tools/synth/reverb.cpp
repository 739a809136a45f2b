#include "reverb.h"

namespace synth {

namespace {

// Mutually prime delay lengths (samples at 44.1 kHz) keep the echoes from piling up.
constexpr int kCombLengths[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr int kAllpassLengths[4] = {556, 441, 341, 225};
constexpr int kStereoSpread = 23;

double RunComb(std::vector<double>& buf, size_t& pos, double& store, double in, double feedback,
               double damp) {
  const double out = buf[pos];
  store = out * (1.0 - damp) + store * damp;
  buf[pos] = in + store * feedback;
  if (++pos == buf.size()) pos = 0;
  return out;
}

double RunAllpass(std::vector<double>& buf, size_t& pos, double in) {
  const double delayed = buf[pos];
  const double out = delayed - in;
  buf[pos] = in + delayed * 0.5;
  if (++pos == buf.size()) pos = 0;
  return out;
}

}  // namespace

Reverb::Reverb(double size, double damping)
    : feedback_(0.7 + 0.28 * size), damp_(0.1 + 0.6 * damping) {
  for (int i = 0; i < kCombs; ++i) {
    combsL_[i].buf.assign(kCombLengths[i], 0.0);
    combsR_[i].buf.assign(kCombLengths[i] + kStereoSpread, 0.0);
  }
  for (int i = 0; i < kAllpasses; ++i) {
    allpassL_[i].buf.assign(kAllpassLengths[i], 0.0);
    allpassR_[i].buf.assign(kAllpassLengths[i] + kStereoSpread, 0.0);
  }
}

void Reverb::Process(double in, double& left, double& right) {
  const double x = in * 0.015;
  double l = 0.0, r = 0.0;
  for (int i = 0; i < kCombs; ++i) {
    l += RunComb(combsL_[i].buf, combsL_[i].pos, combsL_[i].store, x, feedback_, damp_);
    r += RunComb(combsR_[i].buf, combsR_[i].pos, combsR_[i].store, x, feedback_, damp_);
  }
  for (int i = 0; i < kAllpasses; ++i) {
    l = RunAllpass(allpassL_[i].buf, allpassL_[i].pos, l);
    r = RunAllpass(allpassR_[i].buf, allpassR_[i].pos, r);
  }
  left = l;
  right = r;
}

}  // namespace synth
