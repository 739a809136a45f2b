// Hooks between the sound loader and the mixer. Not for game code.
#pragma once

struct TSound;

namespace media_internal {

// Stops every channel that plays the sound, so it can be freed.
void AudioForgetSound(TSound* sound);
// True when an audio device is open and mixing.
bool AudioDeviceOpen();
// Stops (true) or resumes the device's callback; with it stopped, tests can call AudioMixInto
// themselves and look at the samples.
void AudioHoldDevice(bool hold);
// Mixes the next `frames` stereo frames of every playing channel into out (overwritten), as the
// device callback does.
void AudioMixInto(float* out, int frames);

}  // namespace media_internal
