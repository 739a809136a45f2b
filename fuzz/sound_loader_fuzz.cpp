// Feeds arbitrary bytes to the WAV and Ogg Vorbis decoders: they must return a sound or null,
// never crash, hang or allocate without bound.
#include <cstddef>
#include <cstdint>
#include <string>

#include "media/sound.h"
#include "media/sound_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string error;
  TSound* sound = media_internal::DecodeSoundBytes(bytes, static_cast<int>(size & 1), error);
  if (sound) {
    // A decoded sound must be self-consistent, or the mixer would read past its samples.
    if (sound->channels < 1 || sound->channels > 2 ||
        sound->samples.size() != sound->frames * static_cast<size_t>(sound->channels) ||
        SoundLengthSeconds(sound) < 0) {
      __builtin_trap();
    }
    FreeSound(sound);
  } else if (error.empty()) {
    __builtin_trap();  // every refusal says why
  }
  return 0;
}
