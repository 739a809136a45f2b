// Test helper: decodes a whole Ogg Vorbis file to float samples with libvorbisfile, and the
// level measures the sound tests share. Header-only: only *_test.cpp files are compiled.
#pragma once

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace audio_testing {

struct DecodedSound {
  long rate = 0;
  std::vector<std::vector<float>> channels;  // one buffer per channel
  size_t Frames() const { return channels.empty() ? 0 : channels[0].size(); }
  double Seconds() const { return rate > 0 ? static_cast<double>(Frames()) / rate : 0.0; }
};

// False with a reason when the file cannot be opened or decoded.
inline bool DecodeOgg(const std::string& path, DecodedSound& out, std::string& error) {
  OggVorbis_File file;
  if (ov_fopen(path.c_str(), &file) != 0) {
    error = "not an Ogg Vorbis file: " + path;
    return false;
  }
  const vorbis_info* info = ov_info(&file, -1);
  out.rate = info->rate;
  out.channels.assign(static_cast<size_t>(info->channels), {});
  int section = 0;
  bool ok = true;
  for (;;) {
    float** pcm = nullptr;
    const long n = ov_read_float(&file, &pcm, 4096, &section);
    if (n == 0) break;
    if (n < 0) {
      error = "decoding failed: " + path;
      ok = false;
      break;
    }
    for (size_t c = 0; c < out.channels.size(); ++c) {
      out.channels[c].insert(out.channels[c].end(), pcm[c], pcm[c] + n);
    }
  }
  ov_clear(&file);
  return ok;
}

inline double PeakOf(const DecodedSound& s) {
  double peak = 0.0;
  for (const auto& c : s.channels) {
    for (float v : c) peak = std::max(peak, static_cast<double>(std::fabs(v)));
  }
  return peak;
}

inline double ToDb(double gain) {
  return 20.0 * std::log10(std::max(gain, 1e-9));
}

// Root mean square of samples [from, from + count) of one channel.
inline double RmsOf(const std::vector<float>& c, size_t from, size_t count) {
  double sum = 0.0;
  for (size_t i = from; i < from + count && i < c.size(); ++i) sum += c[i] * c[i];
  return count > 0 ? std::sqrt(sum / count) : 0.0;
}

// Largest step between neighbouring samples in [from, from + count).
inline double MaxStepOf(const std::vector<float>& c, size_t from, size_t count) {
  double step = 0.0;
  for (size_t i = from + 1; i < from + count && i < c.size(); ++i) {
    step = std::max(step, static_cast<double>(std::fabs(c[i] - c[i - 1])));
  }
  return step;
}

}  // namespace audio_testing
