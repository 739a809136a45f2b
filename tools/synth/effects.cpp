#include "effects.h"

#include <functional>
#include <map>

#include "reverb.h"
#include "voices.h"

namespace synth {

namespace {

// Every effect stays well below 0.8 s including its fade-out.
constexpr double kMaxLength = 0.76;

void At(Mono& dst, double seconds, const Mono& src, double gain) {
  MixInto(dst, src, Samples(seconds), gain);
}

// Adds a little of a small room so dry clicks and chimes do not sound boxed in.
Mono Room(const Mono& dry, double mix, double size, double damp, double total) {
  Reverb room(size, damp);
  Mono out(Samples(total), 0.0f);
  for (size_t i = 0; i < out.size(); ++i) {
    const double in = i < dry.size() ? dry[i] : 0.0;
    double l = 0.0, r = 0.0;
    room.Process(in, l, r);
    out[i] = static_cast<float>(in + mix * 1.5 * (l + r));
  }
  return out;
}

Mono Bell(double hz, double ratio, double index, double t60, double length, double attack = 0.002,
          double indexDecay = 0.2) {
  BellParams p;
  p.hz = hz;
  p.ratio = ratio;
  p.index = index;
  p.t60 = t60;
  p.length = length;
  p.attack = attack;
  p.indexDecay = indexDecay;
  return FmBell(p);
}

Mono Whoosh(double from, double to, uint64_t seed) {
  Rng rng(seed);
  const Adsr env{0.13, 0.05, 0.9, 0.17};
  Mono out = NoiseSweep(0.36, from, to, 1.3, env, rng);
  At(out, 0.0, NoiseSweep(0.36, from * 2.5, to * 2.5, 0.7, env, rng), 0.35);
  return Room(out, 0.15, 0.3, 0.6, 0.5);
}

Mono Slide(double from, double to, double seconds, uint64_t seed) {
  Rng rng(seed);
  const Adsr env{0.045, 0.02, 0.8, seconds * 0.55};
  return NoiseSweep(seconds, from, to, 2.2, env, rng);
}

Mono LandingClick(uint64_t seed) {
  Rng rng(seed);
  Mono out = WoodTick(1650.0, 1.0, rng);
  At(out, 0.001, Bell(3150.0, 2.0, 0.15, 0.08, 0.1, 0.003), 0.25);
  return Room(out, 0.08, 0.2, 0.7, 0.16);
}

Mono GlassPop(double sparkleHz, uint64_t seed) {
  Rng rng(seed);
  Mono out(Samples(0.45), 0.0f);
  Oscillator body(Wave::Sine);
  Biquad crack;
  crack.Set(Biquad::Kind::Bandpass, 3200.0, 1.0);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = i / kRate;
    const double f = 420.0 + 520.0 * std::exp(-t / 0.025);
    double v = 0.8 * body.Next(f) * Percussive(t, 0.003, 0.12);
    v += 0.6 * crack.Process(rng.Bipolar()) * Percussive(t, 0.002, 0.04);
    out[i] = static_cast<float>(v);
  }
  At(out, 0.008, Bell(sparkleHz, 2.0, 0.6, 0.35, 0.4, 0.003), 0.35);
  return Room(out, 0.12, 0.35, 0.5, 0.5);
}

Mono RuneChime() {
  Mono out;
  At(out, 0.0, Bell(1318.5, 1.4, 2.0, 0.9, 0.75), 0.9);
  At(out, 0.06, Bell(1975.5, 1.4, 1.5, 0.7, 0.68), 0.6);
  At(out, 0.11, Bell(2637.0, 1.4, 1.0, 0.5, 0.6), 0.3);
  Rng rng(21);
  Biquad crack;
  crack.Set(Biquad::Kind::Lowpass, 1600.0, 0.8);
  Mono stone(Samples(0.06));
  for (size_t i = 0; i < stone.size(); ++i) {
    stone[i] =
        static_cast<float>(crack.Process(rng.Bipolar()) * Percussive(i / kRate, 0.002, 0.04));
  }
  At(out, 0.0, stone, 0.5);
  return Room(out, 0.2, 0.5, 0.4, kMaxLength);
}

Mono ChainSnap() {
  Rng rng(31);
  Mono out;
  At(out, 0.0, Bell(1850.0, 1.414, 3.5, 0.2, 0.35, 0.002, 0.02), 0.7);
  At(out, 0.0, Bell(520.0, 2.76, 2.0, 0.25, 0.35, 0.002, 0.05), 0.4);
  At(out, 0.075, Bell(2600.0, 1.414, 2.0, 0.15, 0.3, 0.002, 0.02), 0.45);
  Biquad high;
  high.Set(Biquad::Kind::Highpass, 4000.0, 0.7);
  Mono click(Samples(0.02));
  for (size_t i = 0; i < click.size(); ++i) {
    click[i] =
        static_cast<float>(high.Process(rng.Bipolar()) * Percussive(i / kRate, 0.001, 0.012));
  }
  At(out, 0.0, click, 0.8);
  return Room(out, 0.12, 0.3, 0.3, 0.5);
}

Mono ChestOpen() {
  Rng rng(41);
  // The creak: stick-slip pulses ringing wooden resonances, the rate wandering as the lid moves.
  const double creakLength = 0.4;
  Mono creak(Samples(creakLength), 0.0f);
  Biquad r1, r2, r3;
  r1.Set(Biquad::Kind::Bandpass, 650.0, 6.0);
  r2.Set(Biquad::Kind::Bandpass, 1350.0, 8.0);
  r3.Set(Biquad::Kind::Bandpass, 2200.0, 10.0);
  OnePole rough;
  rough.SetLowpass(2500.0);
  double phase = 0.0, rate = 110.0;
  for (size_t i = 0; i < creak.size(); ++i) {
    const double t = i / kRate;
    phase += rate / kRate;
    double pulse = 0.0;
    if (phase >= 1.0) {
      phase -= 1.0;
      pulse = 0.5 + 0.5 * rng.Uniform();
      rate = 105.0 + 70.0 * std::sin(kPi * t / creakLength) + 18.0 * rng.Bipolar();
    }
    const double x = rough.Lowpass(pulse);
    const double v = r1.Process(x) + 0.7 * r2.Process(x) + 0.35 * r3.Process(x);
    const double swell = std::sin(kPi * std::min(1.0, t / creakLength));
    creak[i] = static_cast<float>(v * swell * 22.0);
  }
  Mono out;
  At(out, 0.0, creak, 0.8);
  At(out, 0.41, FrameDrum(72.0, 1.0, rng), 1.0);
  At(out, 0.41, WoodTick(430.0, 0.6, rng), 0.8);
  return Room(out, 0.1, 0.35, 0.5, kMaxLength);
}

Mono GentleNo() {
  Mono out;
  const double notes[2][3] = {{329.63, 0.0, 0.17}, {261.63, 0.18, 0.26}};
  for (const auto& n : notes) {
    const Adsr env{0.018, 0.08, 0.7, 0.08};
    Mono tone(Samples(env.Length(n[2])), 0.0f);
    Oscillator sine(Wave::Sine), square(Wave::Square);
    Biquad soft;
    soft.Set(Biquad::Kind::Lowpass, 1100.0, 0.7);
    for (size_t i = 0; i < tone.size(); ++i) {
      const double t = i / kRate;
      const double v = sine.Next(n[0]) + 0.25 * soft.Process(square.Next(n[0]));
      tone[i] = static_cast<float>(v * env.At(t, n[2]));
    }
    At(out, n[1], tone, 1.0);
  }
  return Room(out, 0.1, 0.3, 0.6, 0.62);
}

Mono HintPing() {
  Mono out;
  At(out, 0.0, Bell(1760.0, 2.0, 0.8, 0.6, 0.6, 0.008, 0.15), 1.0);
  At(out, 0.0, Bell(3520.0, 2.0, 0.3, 0.3, 0.4, 0.008, 0.1), 0.15);
  return Room(out, 0.2, 0.45, 0.4, 0.72);
}

Mono ShuffleRattle() {
  Rng rng(61);
  Mono out;
  const Adsr env{0.15, 0.05, 0.8, 0.2};
  At(out, 0.0, NoiseSweep(0.6, 700.0, 1900.0, 1.2, env, rng), 0.5);
  for (int k = 0; k < 11; ++k) {
    const double t = 0.04 + 0.045 * k + rng.Range(-0.012, 0.012);
    const double shape = std::sin(kPi * (k + 0.5) / 11.0);
    At(out, t, WoodTick(rng.Range(1500.0, 2900.0), 0.5 + 0.5 * shape, rng), 0.5);
  }
  return Room(out, 0.12, 0.3, 0.5, 0.7);
}

// Tiny high glints at random moments, swelling and fading: the glitter of magic.
Mono Sparkle(double length, uint64_t seed) {
  Rng rng(seed);
  Mono out(Samples(length), 0.0f);
  const int glints = static_cast<int>(length * 40.0);
  for (int k = 0; k < glints; ++k) {
    const double t = rng.Range(0.0, length - 0.1);
    const double swell = std::sin(kPi * t / length);
    At(out, t, Bell(rng.Range(3000.0, 6500.0), 2.0, 0.3, 0.09, 0.1, 0.003), 0.25 * swell);
  }
  out.resize(Samples(length));
  return out;
}

Mono CreateBomb() {
  Mono out;
  const double notes[5] = {1046.5, 1318.5, 1568.0, 2093.0, 2637.0};
  for (int k = 0; k < 5; ++k) {
    At(out, 0.055 * k, Bell(notes[k], 2.0, 1.0, 0.4, 0.42), 0.55);
  }
  Oscillator glide(Wave::Sine);
  Mono whoomp(Samples(0.3));
  for (size_t i = 0; i < whoomp.size(); ++i) {
    const double t = i / kRate;
    whoomp[i] = static_cast<float>(glide.Next(200.0 + 500.0 * t) * std::sin(kPi * t / 0.3));
  }
  At(out, 0.0, whoomp, 0.3);
  At(out, 0.05, Sparkle(0.5, 71), 0.8);
  return Room(out, 0.2, 0.5, 0.4, kMaxLength);
}

Mono Boom() {
  Rng rng(81);
  Mono out(Samples(kMaxLength), 0.0f);
  Oscillator body(Wave::Sine);
  Biquad rumble;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = i / kRate;
    if (i % 32 == 0) rumble.Set(Biquad::Kind::Lowpass, 150.0 + 2300.0 * std::exp(-t / 0.06), 0.7);
    const double f = 44.0 + 85.0 * std::exp(-t / 0.07);
    double v = 1.1 * SoftClip(1.8 * body.Next(f)) * Percussive(t, 0.006, 0.65);
    v += 0.9 * rumble.Process(rng.Bipolar()) * Percussive(t, 0.004, 0.4);
    out[i] = static_cast<float>(v);
  }
  Biquad crackBand;
  crackBand.Set(Biquad::Kind::Bandpass, 2600.0, 1.2);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = i / kRate;
    const double spark = rng.Uniform() < 0.002 * std::exp(-t / 0.15) ? rng.Bipolar() : 0.0;
    out[i] += static_cast<float>(0.9 * crackBand.Process(spark));
  }
  return Room(out, 0.1, 0.5, 0.7, kMaxLength);
}

Mono Crackle() {
  Rng rng(91);
  Mono out(Samples(kMaxLength), 0.0f);
  Biquad band, high, rumble;
  band.Set(Biquad::Kind::Bandpass, 2400.0, 0.9);
  high.Set(Biquad::Kind::Highpass, 900.0, 0.7);
  rumble.Set(Biquad::Kind::Lowpass, 220.0, 0.7);
  OnePole warm;
  warm.SetLowpass(4500.0);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = i / kRate;
    const double density = 0.006 * std::exp(-t / 0.22);
    const double pop =
        rng.Uniform() < density ? rng.Range(0.3, 1.0) * (rng.Uniform() < 0.5 ? -1 : 1) : 0.0;
    double v = 2.4 * warm.Lowpass(high.Process(band.Process(pop)));
    v += 0.08 * rng.Bipolar() * Percussive(t, 0.003, 0.15);
    v += 1.2 * rumble.Process(rng.Bipolar()) * Percussive(t, 0.03, 0.55);
    out[i] = static_cast<float>(v);
  }
  return Room(out, 0.12, 0.45, 0.5, kMaxLength);
}

Mono PowerUpUse() {
  Rng rng(101);
  Mono out(Samples(0.42), 0.0f);
  double phase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = i / kRate;
    const double hz = 300.0 * std::pow(4.0, t / 0.42);
    phase += hz / kRate;
    const double mod = std::sin(kTwoPi * 2.0 * phase) * 1.2;
    const double env = std::sin(kPi * std::min(1.0, t / 0.42)) * std::min(1.0, t / 0.05);
    out[i] = static_cast<float>(0.6 * std::sin(kTwoPi * phase + mod) * env);
  }
  const Adsr env{0.2, 0.05, 0.8, 0.15};
  At(out, 0.0, NoiseSweep(0.45, 800.0, 6000.0, 1.5, env, rng), 0.5);
  At(out, 0.3, Bell(1568.0, 3.0, 1.5, 0.45, 0.42), 0.6);
  At(out, 0.34, Bell(2349.3, 3.0, 1.0, 0.4, 0.38), 0.35);
  At(out, 0.05, Sparkle(0.55, 103), 0.7);
  return Room(out, 0.2, 0.5, 0.4, kMaxLength);
}

Mono UnlockReward() {
  Mono out;
  const double notes[4] = {783.99, 987.77, 1174.66, 1567.98};
  for (int k = 0; k < 4; ++k) {
    const double t60 = k == 3 ? 0.8 : 0.5;
    At(out, 0.075 * k, Bell(notes[k], 1.4, 1.8, t60, kMaxLength - 0.075 * k), 0.6);
    At(out, 0.075 * k, Bell(notes[k] * 2.0, 2.0, 0.4, t60 * 0.6, 0.4), 0.15);
  }
  At(out, 0.2, Sparkle(0.5, 111), 0.7);
  return Room(out, 0.22, 0.55, 0.4, kMaxLength);
}

struct Recipe {
  double peakDb;
  std::function<Mono()> make;
};

// The landing, falling and breaking sounds repeat many times a second in a cascade, so they
// sit well below the others.
const std::vector<std::pair<std::string, Recipe>>& Recipes() {
  static const std::vector<std::pair<std::string, Recipe>> recipes = {
      {"moveUp", {-4.0, [] { return Whoosh(380.0, 2500.0, 1); }}},
      {"moveDown", {-4.0, [] { return Whoosh(2300.0, 340.0, 2); }}},
      {"button",
       {-4.0,
        [] {
          Rng rng(3);
          Mono out = WoodTick(1250.0, 1.0, rng);
          At(out, 0.0, Bell(2200.0, 2.0, 0.4, 0.12, 0.15, 0.003), 0.35);
          return Room(out, 0.1, 0.25, 0.6, 0.2);
        }}},
      {"move-0", {-12.0, [] { return Slide(2200.0, 1000.0, 0.16, 4); }}},
      {"move-1", {-12.0, [] { return Slide(1900.0, 850.0, 0.18, 5); }}},
      {"move-2", {-12.0, [] { return Slide(2500.0, 1150.0, 0.15, 6); }}},
      {"mark1", {-7.0, [] { return GlassPop(1760.0, 7); }}},
      {"mark2", {-7.0, [] { return GlassPop(1975.5, 8); }}},
      {"match", {-3.0, [] { return RuneChime(); }}},
      {"chain", {-3.0, [] { return ChainSnap(); }}},
      {"skull", {-3.0, [] { return ChestOpen(); }}},
      {"cash", {-13.0, [] { return LandingClick(9); }}},
      {"no", {-5.0, [] { return GentleNo(); }}},
      {"hint", {-4.0, [] { return HintPing(); }}},
      {"shuffle", {-4.0, [] { return ShuffleRattle(); }}},
      {"createBomb", {-3.0, [] { return CreateBomb(); }}},
      {"bomb", {-3.0, [] { return Boom(); }}},
      {"bomb2", {-4.0, [] { return Crackle(); }}},
      {"powerUpUse", {-3.0, [] { return PowerUpUse(); }}},
      {"unlockPowerUp", {-3.0, [] { return UnlockReward(); }}},
  };
  return recipes;
}

}  // namespace

const std::vector<EffectInfo>& EffectList() {
  static const std::vector<EffectInfo> list = [] {
    std::vector<EffectInfo> out;
    for (const auto& [id, recipe] : Recipes()) out.push_back({id, recipe.peakDb});
    return out;
  }();
  return list;
}

bool RenderEffect(const std::string& id, Mono& out) {
  for (const auto& [name, recipe] : Recipes()) {
    if (name != id) continue;
    out = recipe.make();
    // Keep the very top and the very bottom out: no whistles, no rumble the speakers cannot play.
    Biquad top, bottom;
    top.Set(Biquad::Kind::Lowpass, 12000.0, 0.7);
    bottom.Set(Biquad::Kind::Highpass, 30.0, 0.7);
    for (float& v : out) v = static_cast<float>(bottom.Process(top.Process(v)));
    if (out.size() > static_cast<size_t>(Samples(kMaxLength))) out.resize(Samples(kMaxLength));
    FadeEnds(out, 0.003, 0.04);
    // The encoder adds a little ripple to the peaks; aim half a decibel low.
    NormalizePeak(out, recipe.peakDb - 0.5);
    return true;
  }
  return false;
}

}  // namespace synth
