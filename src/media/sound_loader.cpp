// Loading sounds: the file is read whole, recognised by its signature and decoded; anything
// that goes wrong gives null and one diagnostic line.
#include <sys/stat.h>

#include "media/audio_mixer.h"
#include "media/files.h"
#include "media/sound.h"
#include "media/sound_data.h"
#include "media/system.h"

namespace {

// Larger than any sound we ship by far; a bigger file is refused before it is read.
constexpr off_t kMaxSoundFileBytes = off_t{256} << 20;

}  // namespace

namespace media_internal {

TSound* DecodeSoundBytes(const std::string& bytes, int flags, std::string& error) {
  auto sound = new TSound;
  bool ok = false;
  if (bytes.size() >= 12 && bytes.compare(0, 4, "RIFF") == 0 && bytes.compare(8, 4, "WAVE") == 0) {
    ok = DecodeWav(bytes, *sound, error);
  } else if (bytes.size() >= 4 && bytes.compare(0, 4, "OggS") == 0) {
    ok = DecodeOgg(bytes, *sound, error);
  } else {
    error = "neither WAV nor Ogg Vorbis";
  }
  if (!ok) {
    delete sound;
    return nullptr;
  }
  sound->loops = (flags & 1) != 0;
  return sound;
}

}  // namespace media_internal

TSound* LoadSoundFile(const std::string& path, int flags) {
  const std::string resolved = ResolvePath(path);
  struct stat st {};
  if (stat(resolved.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
    PrintLine("Cannot load sound: " + path + " (no such file)");
    return nullptr;
  }
  if (st.st_size > kMaxSoundFileBytes) {
    PrintLine("Cannot load sound: " + path + " (file too large)");
    return nullptr;
  }
  std::string bytes;
  if (!ReadFileBytes(resolved, bytes)) {
    PrintLine("Cannot load sound: " + path + " (unreadable)");
    return nullptr;
  }
  std::string error;
  TSound* sound = media_internal::DecodeSoundBytes(bytes, flags, error);
  if (!sound) PrintLine("Cannot load sound: " + path + " (" + error + ")");
  return sound;
}

void FreeSound(TSound* sound) {
  if (!sound) return;
  media_internal::AudioForgetSound(sound);
  delete sound;
}

double SoundLengthSeconds(TSound* sound) {
  if (!sound || sound->rate <= 0) return 0;
  return static_cast<double>(sound->frames) / sound->rate;
}

bool SoundLoops(TSound* sound) {
  return sound && sound->loops;
}
