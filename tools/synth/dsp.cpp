#include "dsp.h"

#include <algorithm>

namespace synth {

void Biquad::Set(Kind kind, double hz, double q, double gainDb) {
  hz = std::clamp(hz, 10.0, kRate * 0.45);
  const double w = kTwoPi * hz / kRate;
  const double cw = std::cos(w);
  const double alpha = std::sin(w) / (2.0 * q);
  double b0 = 0, b1 = 0, b2 = 0, a0 = 1, a1 = 0, a2 = 0;
  switch (kind) {
    case Kind::Lowpass:
      b0 = (1.0 - cw) / 2.0;
      b1 = 1.0 - cw;
      b2 = b0;
      a0 = 1.0 + alpha;
      a1 = -2.0 * cw;
      a2 = 1.0 - alpha;
      break;
    case Kind::Highpass:
      b0 = (1.0 + cw) / 2.0;
      b1 = -(1.0 + cw);
      b2 = b0;
      a0 = 1.0 + alpha;
      a1 = -2.0 * cw;
      a2 = 1.0 - alpha;
      break;
    case Kind::Bandpass:  // constant 0 dB peak gain
      b0 = alpha;
      b1 = 0.0;
      b2 = -alpha;
      a0 = 1.0 + alpha;
      a1 = -2.0 * cw;
      a2 = 1.0 - alpha;
      break;
    case Kind::Peak: {
      const double a = std::pow(10.0, gainDb / 40.0);
      b0 = 1.0 + alpha * a;
      b1 = -2.0 * cw;
      b2 = 1.0 - alpha * a;
      a0 = 1.0 + alpha / a;
      a1 = -2.0 * cw;
      a2 = 1.0 - alpha / a;
      break;
    }
  }
  b0_ = b0 / a0;
  b1_ = b1 / a0;
  b2_ = b2 / a0;
  a1_ = a1 / a0;
  a2_ = a2 / a0;
}

double Peak(const Mono& samples) {
  double peak = 0.0;
  for (float s : samples) peak = std::max(peak, static_cast<double>(std::fabs(s)));
  return peak;
}

void NormalizePeak(Mono& samples, double db) {
  const double peak = Peak(samples);
  if (peak <= 0.0) return;
  const double gain = DbToGain(db) / peak;
  for (float& s : samples) s = static_cast<float>(s * gain);
}

void FadeEnds(Mono& samples, double fadeInSeconds, double fadeOutSeconds) {
  const int n = static_cast<int>(samples.size());
  const int in = std::min(n, Samples(fadeInSeconds));
  const int out = std::min(n, Samples(fadeOutSeconds));
  for (int i = 0; i < in; ++i) {
    samples[i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * (i + 0.5) / in));
  }
  for (int i = 0; i < out; ++i) {
    samples[n - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * (i + 0.5) / out));
  }
}

void MixInto(Mono& target, const Mono& source, int offset, double gain) {
  if (offset < 0) offset = 0;
  const size_t end = static_cast<size_t>(offset) + source.size();
  if (target.size() < end) target.resize(end, 0.0f);
  for (size_t i = 0; i < source.size(); ++i) {
    target[offset + i] += static_cast<float>(source[i] * gain);
  }
}

}  // namespace synth
