// A decoded sound as the mixer plays it, and the decoders that make one from file bytes.
// Not for game code: game code uses sound.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Kept at the file's own rate and channel count (1 or 2); the mixer resamples while it plays,
// since every channel's rate can change anyway.
struct TSound {
  std::vector<int16_t> samples;  // interleaved
  int channels = 0;
  int rate = 0;
  size_t frames = 0;
  bool loops = false;
};

namespace media_internal {

// Limits that keep a hostile file from asking for unbounded memory or time.
constexpr int kMinSoundRate = 1000;
constexpr int kMaxSoundRate = 384000;
// Fifteen minutes of 48 kHz stereo (about 170 MB decoded), far above any track we ship.
constexpr size_t kMaxSoundSamples = size_t{48000} * 2 * 60 * 15;

// Both decoders fill `sound` and return true, or return false with a short reason.
bool DecodeWav(const std::string& bytes, TSound& sound, std::string& error);
bool DecodeOgg(const std::string& bytes, TSound& sound, std::string& error);
// Picks the decoder by the file's signature ("RIFF....WAVE" or "OggS"); null on failure.
TSound* DecodeSoundBytes(const std::string& bytes, int flags, std::string& error);

}  // namespace media_internal
