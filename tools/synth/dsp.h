// Building blocks of the synthesiser: a seeded noise source, band-limited oscillators,
// envelopes and filters. Everything is per sample and deterministic.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace synth {

inline constexpr double kRate = 44100.0;
inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kTwoPi = 2.0 * kPi;

using Mono = std::vector<float>;

inline double MidiToHz(double midi) {
  return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}
inline double DbToGain(double db) {
  return std::pow(10.0, db / 20.0);
}
inline int Samples(double seconds) {
  return static_cast<int>(std::lround(seconds * kRate));
}

// xorshift64*: fixed seeds make every build write the same files.
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  uint64_t Next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545F4914F6CDD1Dull;
  }
  double Uniform() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  double Bipolar() { return Uniform() * 2.0 - 1.0; }
  double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

 private:
  uint64_t state_;
};

// PolyBLEP residual that removes most aliasing from the steps of saw and square waves.
inline double PolyBlep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}

enum class Wave { Sine, Triangle, Saw, Square };

// A phase-accumulating oscillator whose frequency may change every sample (sweeps, vibrato).
class Oscillator {
 public:
  explicit Oscillator(Wave wave, double phase = 0.0) : wave_(wave), phase_(phase) {}
  double Next(double hz) {
    const double dt = hz / kRate;
    double out = 0.0;
    switch (wave_) {
      case Wave::Sine:
        out = std::sin(kTwoPi * phase_);
        break;
      case Wave::Triangle:
        out = 1.0 - 4.0 * std::fabs(phase_ - 0.5);
        break;
      case Wave::Saw:
        out = 2.0 * phase_ - 1.0 - PolyBlep(phase_, dt);
        break;
      case Wave::Square: {
        out = phase_ < 0.5 ? 1.0 : -1.0;
        out += PolyBlep(phase_, dt);
        double shifted = phase_ + 0.5;
        if (shifted >= 1.0) shifted -= 1.0;
        out -= PolyBlep(shifted, dt);
        break;
      }
    }
    phase_ += dt;
    phase_ -= std::floor(phase_);
    return out;
  }

 private:
  Wave wave_;
  double phase_;
};

// Attack, decay, sustain, release with curved segments; release starts at `gate` seconds.
struct Adsr {
  double attack = 0.01;
  double decay = 0.1;
  double sustain = 0.7;
  double release = 0.2;

  double At(double t, double gate) const {
    if (t < 0.0) return 0.0;
    const double held = Held(std::min(t, gate));
    if (t <= gate) return held;
    const double r = (t - gate) / std::max(release, 1e-4);
    return r >= 1.0 ? 0.0 : held * (1.0 - r) * (1.0 - r);
  }
  double Length(double gate) const { return gate + release; }

 private:
  double Held(double t) const {
    if (t < attack) {
      const double a = t / std::max(attack, 1e-4);
      return 0.5 - 0.5 * std::cos(kPi * a);  // soft, click-free start
    }
    const double d = (t - attack) / std::max(decay, 1e-4);
    if (d >= 1.0) return sustain;
    return sustain + (1.0 - sustain) * (1.0 - d) * (1.0 - d);
  }
};

// Exponential decay to -60 dB over `t60` seconds, after a raised-cosine attack.
inline double Percussive(double t, double attack, double t60) {
  if (t < 0.0) return 0.0;
  const double rise = t < attack ? 0.5 - 0.5 * std::cos(kPi * t / attack) : 1.0;
  return rise * std::exp(-6.907755 * t / t60);
}

class OnePole {
 public:
  void SetLowpass(double hz) { a_ = std::exp(-kTwoPi * hz / kRate); }
  double Lowpass(double x) {
    z_ = x * (1.0 - a_) + z_ * a_;
    return z_;
  }
  double Highpass(double x) { return x - Lowpass(x); }

 private:
  double a_ = 0.0;
  double z_ = 0.0;
};

// Second-order sections from the well-known cookbook formulas.
class Biquad {
 public:
  enum class Kind { Lowpass, Highpass, Bandpass, Peak };
  void Set(Kind kind, double hz, double q, double gainDb = 0.0);
  double Process(double x) {
    const double y = b0_ * x + z1_;
    z1_ = b1_ * x - a1_ * y + z2_;
    z2_ = b2_ * x - a2_ * y;
    return y;
  }

 private:
  double b0_ = 1.0, b1_ = 0.0, b2_ = 0.0, a1_ = 0.0, a2_ = 0.0;
  double z1_ = 0.0, z2_ = 0.0;
};

// Soft saturation for bodies and booms; linear for small signals.
inline double SoftClip(double x) {
  return std::tanh(x);
}

// Peak absolute sample value.
double Peak(const Mono& samples);
// Scales so that the peak sits at `db` dBFS (silence stays silence).
void NormalizePeak(Mono& samples, double db);
// Raised-cosine fades at both ends so a sound never starts or stops with a step.
void FadeEnds(Mono& samples, double fadeInSeconds, double fadeOutSeconds);
// Adds `source` into `target` from sample `offset`, growing `target` as needed.
void MixInto(Mono& target, const Mono& source, int offset, double gain);

}  // namespace synth
