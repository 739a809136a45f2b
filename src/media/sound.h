// Decoded sounds and playback channels mixed by our own mixer. Without an audio device every
// operation still works and is silent; Playing follows the sound's length on the media clock.
#pragma once

#include <string>

struct TSound;  // owned by the media layer

class TChannel {
 public:
  virtual ~TChannel() = default;
  virtual void SetVolume(float volume) = 0;  // 0 silent .. 1 full
  virtual void SetRate(float rate) = 0;      // speed and pitch factor, 1 normal
  virtual void SetPaused(int paused) = 0;
  virtual void Stop() = 0;
  virtual bool Playing() = 0;  // true while still sounding
  virtual float Volume() const = 0;
};

// WAV or Ogg Vorbis, decoded whole; flags 1 loops; null (with a diagnostic) on failure.
TSound* LoadSoundFile(const std::string& path, int flags = 0);
void FreeSound(TSound* sound);  // stops its channels first
// Prepares playback on channel (a new one when null) in the paused state and returns it.
// Channels belong to the media layer and stay valid for the whole run.
TChannel* Cue(TSound* sound, TChannel* channel = nullptr);
double SoundLengthSeconds(TSound* sound);
bool SoundLoops(TSound* sound);
