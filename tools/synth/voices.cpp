#include "voices.h"

namespace synth {

namespace {

// Fades the last `share` of a buffer to zero so a rendered tail never ends in a step.
void FadeTail(Mono& out, double share) {
  const int n = static_cast<int>(out.size());
  const int len = std::max(1, static_cast<int>(n * share));
  for (int i = 0; i < len; ++i) {
    const double x = static_cast<double>(i) / len;
    out[n - len + i] *= static_cast<float>(0.5 + 0.5 * std::cos(kPi * x));
  }
}

}  // namespace

Mono Pluck(const PluckParams& p, Rng& rng) {
  const int n = Samples(p.length);
  Mono out(n, 0.0f);
  const double period = kRate / p.hz;
  // The two-point loop filter delays by `s` samples; the allpass tunes the remaining fraction.
  const double s = 0.5 - 0.42 * std::clamp(p.brightness, 0.0, 1.0);
  const double total = period - s;
  const int delay = std::max(2, static_cast<int>(std::floor(total - 0.1)));
  const double frac = total - delay;
  const double c = (1.0 - frac) / (1.0 + frac);
  const double loss = std::pow(10.0, -3.0 / (p.hz * p.t60));

  // Excitation: one period of softened noise, thinned by the pluck point.
  std::vector<double> line(delay, 0.0);
  OnePole soften;
  soften.SetLowpass(600.0 + 9000.0 * p.brightness * std::clamp(p.velocity, 0.2, 1.0));
  std::vector<double> burst(delay);
  for (int i = 0; i < delay; ++i) burst[i] = soften.Lowpass(rng.Bipolar());
  const int pick = std::clamp(static_cast<int>(p.position * delay), 1, delay - 1);
  double mean = 0.0;
  for (int i = 0; i < delay; ++i) {
    line[i] = burst[i] - (i >= pick ? burst[i - pick] : 0.0);
    mean += line[i];
  }
  mean /= delay;
  double energy = 0.0;
  for (double& v : line) {
    v -= mean;
    energy += v * v;
  }
  const double norm = energy > 0.0 ? 0.5 / std::sqrt(energy / delay) : 0.0;
  for (double& v : line) v *= norm;

  Biquad lowBody, midBody, top;
  lowBody.Set(Biquad::Kind::Peak, 190.0, 1.1, 4.0 * p.body);
  midBody.Set(Biquad::Kind::Peak, 1000.0, 1.8, 2.0 * p.body);
  top.Set(Biquad::Kind::Lowpass, 3000.0 + 5000.0 * p.brightness, 0.7);
  OnePole dcBlock;
  dcBlock.SetLowpass(35.0);

  int idx = 0;
  double prev = 0.0, apIn = 0.0, apOut = 0.0;
  for (int i = 0; i < n; ++i) {
    const double y = line[idx];
    const double filtered = (1.0 - s) * y + s * prev;
    prev = y;
    const double tuned = c * filtered + apIn - c * apOut;
    apIn = filtered;
    apOut = tuned;
    line[idx] = loss * tuned;
    idx = idx + 1 == delay ? 0 : idx + 1;
    double v = top.Process(midBody.Process(lowBody.Process(y)));
    v = dcBlock.Highpass(v);
    out[i] = static_cast<float>(v * p.velocity);
  }
  FadeEnds(out, 0.002, 0.0);
  FadeTail(out, 0.3);
  return out;
}

Mono FmBell(const BellParams& p) {
  const int n = Samples(p.length);
  Mono out(n, 0.0f);
  for (int i = 0; i < n; ++i) {
    const double t = i / kRate;
    const double index = p.index * std::exp(-t / p.indexDecay);
    const double mod = std::sin(kTwoPi * p.hz * p.ratio * t);
    double v = std::sin(kTwoPi * p.hz * t + index * mod);
    v += 0.3 * std::sin(kTwoPi * p.hz * 1.0032 * t + 0.5 * index * mod);
    v += 0.12 * std::sin(kTwoPi * p.hz * 2.756 * t) * std::exp(-t / (p.t60 * 0.12));
    out[i] = static_cast<float>(v * Percussive(t, p.attack, p.t60) * p.velocity * 0.7);
  }
  FadeTail(out, 0.2);
  return out;
}

Mono Pad(const PadParams& p, Rng& rng) {
  const int n = Samples(p.env.Length(p.gate));
  Mono out(n, 0.0f);
  const double cents[3] = {-p.detuneCents, 0.0, p.detuneCents * 1.1};
  Oscillator saws[3] = {Oscillator(Wave::Saw, rng.Uniform()), Oscillator(Wave::Saw, rng.Uniform()),
                        Oscillator(Wave::Saw, rng.Uniform())};
  Oscillator sub(Wave::Sine, rng.Uniform());
  Biquad lp1, lp2;
  const double cutoff = std::min(p.cutoff, p.hz * 6.0 + 400.0);
  lp1.Set(Biquad::Kind::Lowpass, cutoff, 0.6);
  lp2.Set(Biquad::Kind::Lowpass, cutoff * 1.3, 0.6);
  double ratios[3];
  for (int k = 0; k < 3; ++k) ratios[k] = std::pow(2.0, cents[k] / 1200.0);
  const double drift = rng.Range(0.13, 0.27);
  for (int i = 0; i < n; ++i) {
    const double t = i / kRate;
    const double wobble = 1.0 + 0.0012 * std::sin(kTwoPi * drift * t);
    double v = 0.0;
    for (int k = 0; k < 3; ++k) v += saws[k].Next(p.hz * ratios[k] * wobble);
    v = v * 0.28 + 0.35 * sub.Next(p.hz);
    v = lp2.Process(lp1.Process(v));
    out[i] = static_cast<float>(v * p.env.At(t, p.gate) * p.velocity);
  }
  return out;
}

Mono Flute(const FluteParams& p, Rng& rng) {
  const double length = p.gate + p.release;
  const int n = Samples(length);
  Mono out(n, 0.0f);
  Biquad breathBand, soft;
  breathBand.Set(Biquad::Kind::Bandpass, p.hz * 2.0, 1.2);
  soft.Set(Biquad::Kind::Lowpass, std::min(9000.0, p.hz * 7.0), 0.7);
  const Adsr env{p.attack, 0.15, 0.85, p.release};
  double phase = rng.Uniform();
  for (int i = 0; i < n; ++i) {
    const double t = i / kRate;
    const double vibRamp = std::clamp((t - 0.18) / 0.35, 0.0, 1.0);
    const double hz = p.hz * (1.0 + p.vibrato * vibRamp * std::sin(kTwoPi * 5.1 * t));
    phase += hz / kRate;
    phase -= std::floor(phase);
    const double a = env.At(t, p.gate);
    double v = std::sin(kTwoPi * phase) + 0.18 * std::sin(2.0 * kTwoPi * phase) +
               0.06 * std::sin(3.0 * kTwoPi * phase);
    const double chiff = std::exp(-t / 0.05);
    v += p.breath * (1.0 + 3.0 * chiff) * breathBand.Process(rng.Bipolar()) * 3.0;
    out[i] = static_cast<float>(soft.Process(v) * a * p.velocity * 0.6);
  }
  return out;
}

Mono SoftBass(double hz, double gate, double velocity) {
  const Adsr env{0.012, 0.4, 0.55, 0.12};
  const int n = Samples(env.Length(gate));
  Mono out(n, 0.0f);
  Oscillator sine(Wave::Sine), tri(Wave::Triangle), second(Wave::Sine);
  for (int i = 0; i < n; ++i) {
    const double t = i / kRate;
    const double v = sine.Next(hz) + 0.18 * tri.Next(hz) + 0.22 * second.Next(hz * 2.0);
    out[i] = static_cast<float>(v * env.At(t, gate) * velocity * 0.6);
  }
  return out;
}

Mono FrameDrum(double hz, double velocity, Rng& rng) {
  const int n = Samples(0.55);
  Mono out(n, 0.0f);
  OnePole skin;
  skin.SetLowpass(700.0);
  Oscillator body(Wave::Sine);
  for (int i = 0; i < n; ++i) {
    const double t = i / kRate;
    const double f = hz * (1.0 + 0.5 * std::exp(-t / 0.018));
    double v = body.Next(f) * Percussive(t, 0.003, 0.42);
    v += 0.35 * skin.Lowpass(rng.Bipolar()) * Percussive(t, 0.001, 0.05);
    out[i] = static_cast<float>(v * velocity * 0.8);
  }
  FadeTail(out, 0.2);
  return out;
}

Mono Shaker(double velocity, Rng& rng) {
  const int n = Samples(0.14);
  Mono out(n, 0.0f);
  Biquad band, high;
  band.Set(Biquad::Kind::Bandpass, 6200.0, 0.9);
  high.Set(Biquad::Kind::Highpass, 3000.0, 0.7);
  for (int i = 0; i < n; ++i) {
    const double t = i / kRate;
    const double v = high.Process(band.Process(rng.Bipolar()));
    out[i] = static_cast<float>(v * Percussive(t, 0.014, 0.1) * velocity * 0.9);
  }
  FadeTail(out, 0.2);
  return out;
}

Mono WoodTick(double hz, double velocity, Rng& rng) {
  const int n = Samples(0.12);
  Mono out(n, 0.0f);
  OnePole noiseTone;
  noiseTone.SetLowpass(3000.0);
  for (int i = 0; i < n; ++i) {
    const double t = i / kRate;
    double v = std::sin(kTwoPi * hz * t) * Percussive(t, 0.0015, 0.07);
    v += 0.45 * std::sin(kTwoPi * hz * 2.71 * t) * Percussive(t, 0.0015, 0.03);
    v += 0.15 * noiseTone.Lowpass(rng.Bipolar()) * Percussive(t, 0.001, 0.01);
    out[i] = static_cast<float>(v * velocity * 0.7);
  }
  FadeTail(out, 0.2);
  return out;
}

Mono Tambourine(double velocity, Rng& rng) {
  const int n = Samples(0.25);
  Mono out(n, 0.0f);
  Biquad high;
  high.Set(Biquad::Kind::Highpass, 6500.0, 0.7);
  double jingles[5];
  for (double& j : jingles) j = rng.Range(5200.0, 10500.0);
  for (int i = 0; i < n; ++i) {
    const double t = i / kRate;
    double v = 0.5 * high.Process(rng.Bipolar()) * Percussive(t, 0.004, 0.12);
    for (double j : jingles) v += 0.12 * std::sin(kTwoPi * j * t) * Percussive(t, 0.004, 0.2);
    out[i] = static_cast<float>(v * velocity * 0.7);
  }
  FadeTail(out, 0.25);
  return out;
}

Mono NoiseSweep(double seconds, double fromHz, double toHz, double q, Adsr env, Rng& rng) {
  const int n = Samples(seconds);
  Mono out(n, 0.0f);
  Biquad band, band2;
  const double gate = std::max(0.0, seconds - env.release);
  for (int i = 0; i < n; ++i) {
    if (i % 32 == 0) {
      const double x = static_cast<double>(i) / n;
      const double hz = fromHz * std::pow(toHz / fromHz, x);
      band.Set(Biquad::Kind::Bandpass, hz, q);
      band2.Set(Biquad::Kind::Bandpass, hz, q);
    }
    const double v = band2.Process(band.Process(rng.Bipolar()));
    out[i] = static_cast<float>(v * env.At(i / kRate, gate));
  }
  return out;
}

}  // namespace synth
