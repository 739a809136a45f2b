// Single notes and hits of our instruments (plucked strings, FM bells, pads, a wooden flute,
// soft percussion), each rendered to a mono buffer that starts at the note's onset.
#pragma once

#include "dsp.h"

namespace synth {

struct PluckParams {
  double hz = 220.0;
  double t60 = 3.0;         // seconds to fall 60 dB at the fundamental
  double brightness = 0.5;  // 0 dark and soft .. 1 bright and snappy
  double position = 0.2;    // pluck point along the string (0..0.5), thins the tone
  double velocity = 1.0;
  double length = 3.0;  // seconds rendered (the tail is faded)
  double body = 1.0;    // wooden body resonance amount
};
// Karplus-Strong string with an allpass tuner, a noise excitation and a small wooden body.
Mono Pluck(const PluckParams& p, Rng& rng);

struct BellParams {
  double hz = 880.0;
  double ratio = 1.4;  // modulator to carrier ratio; non-integers sound bell-like
  double index = 2.5;  // modulation depth at the strike
  double t60 = 1.5;
  double indexDecay = 0.35;  // seconds for the brightness to fall away
  double attack = 0.002;
  double velocity = 1.0;
  double length = 1.5;
};
// Two-operator FM bell with a quieter detuned partner for shimmer.
Mono FmBell(const BellParams& p);

struct PadParams {
  double hz = 220.0;
  double gate = 2.0;  // seconds held
  Adsr env{0.8, 0.5, 0.8, 1.2};
  double detuneCents = 9.0;
  double cutoff = 1400.0;
  double velocity = 1.0;
};
// Three detuned band-limited saws and a sine, softened by a low-pass: a warm string-like pad.
Mono Pad(const PadParams& p, Rng& rng);

struct FluteParams {
  double hz = 660.0;
  double gate = 0.5;
  double attack = 0.06;
  double release = 0.15;
  double vibrato = 0.004;  // depth as a frequency ratio
  double breath = 0.06;
  double velocity = 1.0;
};
// A breathy wooden flute: sine with soft harmonics, delayed vibrato and band-passed breath.
Mono Flute(const FluteParams& p, Rng& rng);

// Soft sine bass with a little triangle edge, for the low end under plucked chords.
Mono SoftBass(double hz, double gate, double velocity);

// Percussion, all soft-edged.
Mono FrameDrum(double hz, double velocity, Rng& rng);  // hand drum: pitched thump
Mono Shaker(double velocity, Rng& rng);                // seed shaker
Mono WoodTick(double hz, double velocity, Rng& rng);   // woodblock / rim tick
Mono Tambourine(double velocity, Rng& rng);            // small jingles

// Band-passed noise whose centre glides from `fromHz` to `toHz`: breaths and whooshes.
Mono NoiseSweep(double seconds, double fromHz, double toHz, double q, Adsr env, Rng& rng);

}  // namespace synth
