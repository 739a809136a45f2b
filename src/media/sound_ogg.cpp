// Ogg Vorbis decoding from memory through libvorbisfile, read as a plain stream (no seeking),
// with the decoded length capped so a tiny hostile file cannot expand without bound.
#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>

#include "media/sound_data.h"

namespace media_internal {

namespace {

struct MemoryStream {
  const std::string* bytes;
  size_t pos = 0;
};

size_t ReadMemory(void* out, size_t size, size_t count, void* source) {
  auto* stream = static_cast<MemoryStream*>(source);
  if (size == 0) return 0;
  const size_t left = stream->bytes->size() - stream->pos;
  const size_t items = std::min(count, left / size);
  std::memcpy(out, stream->bytes->data() + stream->pos, items * size);
  stream->pos += items * size;
  return items;
}

}  // namespace

bool DecodeOgg(const std::string& bytes, TSound& sound, std::string& error) {
  MemoryStream stream{&bytes};
  ov_callbacks callbacks{};
  callbacks.read_func = ReadMemory;  // no seek or tell: decoded front to back as a stream
  OggVorbis_File file;
  if (ov_open_callbacks(&stream, &file, nullptr, 0, callbacks) != 0) {
    error = "not a readable Ogg Vorbis stream";
    return false;
  }
  const vorbis_info* info = ov_info(&file, -1);
  if (!info || info->channels < 1 || info->channels > 2 || info->rate < kMinSoundRate ||
      info->rate > kMaxSoundRate) {
    ov_clear(&file);
    error = "unsupported channel count or sample rate";
    return false;
  }
  sound.channels = info->channels;
  sound.rate = static_cast<int>(info->rate);
  sound.samples.clear();
  int currentLink = -1;
  char buffer[16384];
  bool ok = true;
  int holes = 0;
  for (;;) {
    int link = 0;
    const long got = ov_read(&file, buffer, sizeof buffer, 0, 2, 1, &link);
    // A gap in the data: decoding resumes after it, but a stream of nothing else is rejected.
    if (got == OV_HOLE && ++holes < 1000) continue;
    if (got < 0) {
      error = "damaged Ogg Vorbis data";
      ok = false;
      break;
    }
    if (got == 0) break;
    if (link != currentLink) {
      // A chained stream may only go on in the same layout; we have no per-link rate.
      const vorbis_info* linkInfo = ov_info(&file, -1);
      if (!linkInfo || linkInfo->channels != sound.channels || linkInfo->rate != sound.rate) {
        error = "chained streams with different layouts";
        ok = false;
        break;
      }
      currentLink = link;
    }
    const size_t samples = static_cast<size_t>(got) / 2;
    if (sound.samples.size() + samples > kMaxSoundSamples) {
      error = "sound too long";
      ok = false;
      break;
    }
    const size_t at = sound.samples.size();
    sound.samples.resize(at + samples);
    std::memcpy(sound.samples.data() + at, buffer, samples * 2);
  }
  ov_clear(&file);
  if (!ok) return false;
  sound.frames = sound.samples.size() / static_cast<size_t>(sound.channels);
  sound.samples.resize(sound.frames * static_cast<size_t>(sound.channels));
  sound.samples.shrink_to_fit();
  if (sound.frames == 0) {
    error = "no audio in the Ogg Vorbis stream";
    return false;
  }
  return true;
}

}  // namespace media_internal
