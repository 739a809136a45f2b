// RIFF WAVE decoding: integer PCM of 8, 16, 24 or 32 bits and 32-bit float, mono or stereo,
// plain or in the extensible header. Every chunk size is checked against the bytes that are
// really there before anything is read or allocated.
#include <cstring>

#include "media/sound_data.h"

namespace media_internal {

namespace {

constexpr int kFormatPcm = 1;
constexpr int kFormatFloat = 3;
constexpr int kFormatExtensible = 0xFFFE;

uint32_t Le32(const std::string& b, size_t at) {
  return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

uint16_t Le16(const std::string& b, size_t at) {
  return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) |
                               static_cast<unsigned char>(b[at + 1]) << 8);
}

int16_t ToSample16(const std::string& b, size_t at, int format, int bits) {
  if (format == kFormatFloat) {
    uint32_t raw = Le32(b, at);
    float f;
    std::memcpy(&f, &raw, sizeof f);
    if (!(f == f)) f = 0;  // NaN
    if (f > 1) f = 1;
    if (f < -1) f = -1;
    return static_cast<int16_t>(f * 32767.0f);
  }
  switch (bits) {
    case 8:
      return static_cast<int16_t>((static_cast<int>(static_cast<unsigned char>(b[at])) - 128) << 8);
    case 16:
      return static_cast<int16_t>(Le16(b, at));
    case 24:
      return static_cast<int16_t>(Le16(b, at + 1));
    default:
      return static_cast<int16_t>(Le16(b, at + 2));
  }
}

}  // namespace

bool DecodeWav(const std::string& bytes, TSound& sound, std::string& error) {
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
    error = "not a RIFF WAVE file";
    return false;
  }
  // The RIFF size is often wrong in files written by streaming tools; the chunks themselves are
  // what must fit.
  bool haveFormat = false;
  int format = 0, channels = 0, bits = 0, blockAlign = 0;
  uint32_t rate = 0;
  size_t pos = 12;
  while (pos + 8 <= bytes.size()) {
    const std::string id = bytes.substr(pos, 4);
    const uint32_t size = Le32(bytes, pos + 4);
    const size_t body = pos + 8;
    if (size > bytes.size() - body) {
      error = "chunk \"" + id + "\" runs past the end of the file";
      return false;
    }
    if (id == "fmt ") {
      if (size < 16) {
        error = "format chunk too short";
        return false;
      }
      format = Le16(bytes, body);
      channels = Le16(bytes, body + 2);
      rate = Le32(bytes, body + 4);
      blockAlign = Le16(bytes, body + 12);
      bits = Le16(bytes, body + 14);
      if (format == kFormatExtensible) {
        if (size < 40) {
          error = "extensible format chunk too short";
          return false;
        }
        format = Le16(bytes, body + 24);  // the first two bytes of the sub-format GUID
      }
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) {
        error = "data before the format chunk";
        return false;
      }
      if (format != kFormatPcm && format != kFormatFloat) {
        error = "unsupported sample format " + std::to_string(format);
        return false;
      }
      if (channels < 1 || channels > 2) {
        error = "unsupported channel count " + std::to_string(channels);
        return false;
      }
      if (rate < static_cast<uint32_t>(kMinSoundRate) ||
          rate > static_cast<uint32_t>(kMaxSoundRate)) {
        error = "unsupported sample rate " + std::to_string(rate);
        return false;
      }
      const bool bitsOk = format == kFormatFloat
                              ? bits == 32
                              : (bits == 8 || bits == 16 || bits == 24 || bits == 32);
      if (!bitsOk || blockAlign != channels * bits / 8) {
        error = "inconsistent sample layout";
        return false;
      }
      const size_t frames = size / static_cast<size_t>(blockAlign);
      if (frames * static_cast<size_t>(channels) > kMaxSoundSamples) {
        error = "sound too long";
        return false;
      }
      sound.channels = channels;
      sound.rate = static_cast<int>(rate);
      sound.frames = frames;
      sound.samples.resize(frames * static_cast<size_t>(channels));
      const size_t bytesPerSample = static_cast<size_t>(bits / 8);
      for (size_t i = 0; i < sound.samples.size(); ++i) {
        sound.samples[i] = ToSample16(bytes, body + i * bytesPerSample, format, bits);
      }
      return true;
    }
    pos = body + size + (size & 1);  // chunks are padded to even sizes
  }
  error = haveFormat ? "no data chunk" : "no format chunk";
  return false;
}

}  // namespace media_internal
