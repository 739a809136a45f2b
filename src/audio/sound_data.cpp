#include "audio/sound_data.h"

#include "audio/global_snd.h"
#include "audio/sound_hooks.h"

TChannel* TSoundData::start(float rate) {
  for (int i = 0; i < kVoices; ++i) {
    TChannel*& voice = chn[static_cast<size_t>(i)];
    if (voice && voice->Playing()) continue;
    if (!snd) return nullptr;
    TChannel*& spare = spare_[static_cast<size_t>(i)];
    TChannel* reuse = voice ? voice : spare;
    if (reuse && reuse->Playing()) reuse = nullptr;
    voice = Cue(snd, reuse);
    spare = voice;
    if (!voice) return nullptr;
    voice->SetRate(rate);
    voice->SetVolume(SoundStepVolume() * vol);
    voice->SetPaused(0);
    return voice;
  }
  return nullptr;
}

int TSoundData::playMe() {
  start(1.0f);
  return 0;
}

int TSoundData::playWithRate(int rate) {
  if (rate <= 0) return 0;
  start(static_cast<float>(rate) / 100.0f);
  return 0;
}

int TSoundData::update() {
  for (TChannel*& voice : chn) {
    if (voice && !voice->Playing()) voice = nullptr;
  }
  return 0;
}

int TMusicData::loadMe() {
  TSound* loaded = LoadSoundFile(url, loop);
  if (snd && GlobalSnd) GlobalSnd->retireSound(snd);
  snd = loaded;
  return 0;
}
