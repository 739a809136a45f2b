// Our own mixer on an SDL audio device, and the channels the game drives.
//
// Each channel keeps two views of its playback. The logical one lives on the game thread and is
// measured on the media clock: it decides Playing, so game logic runs the same with a sound card,
// without one, and under the virtual clock. The mixing one is shared with SDL's audio thread
// under a lock and makes the sound heard, resampled to the device rate at the channel's rate.
//
// The game keeps channel pointers after a sound ends (it asks Playing later, even across a restart
// of the media layer in tests), so channel objects are never freed; a finished channel is a few
// dozen bytes and holds no sound data.
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <vector>

#include "media/audio_mixer.h"
#include "media/clock_random.h"
#include "media/internal.h"
#include "media/sound.h"
#include "media/sound_data.h"
#include "media/system.h"

namespace {

constexpr int kDeviceRate = 44100;
constexpr int kDeviceFrames = 1024;  // about 23 ms per callback
constexpr float kMaxRate = 16.0f;

class Channel;

struct Mixer {
  std::mutex lock;
  SDL_AudioDeviceID device = 0;
  int deviceRate = kDeviceRate;
  bool sdlAudioStarted = false;
  std::vector<Channel*>
      mixing;  // guarded by lock; capacity reserved so the callback never allocates
  std::vector<std::unique_ptr<Channel>> channels;  // every channel ever handed out
  std::vector<Channel*> live;                      // game thread: cued and not yet ended
};

Mixer g_mixer;

// What the audio thread reads, guarded by Mixer::lock.
struct MixState {
  TSound* sound = nullptr;
  double position = 0;  // in source frames
  float volume = 1;
  float rate = 1;
  bool paused = true;
  bool queued = false;  // in Mixer::mixing
};

class Channel final : public TChannel {
 public:
  void SetVolume(float volume) override {
    volume_ = std::clamp(std::isfinite(volume) ? volume : 0.0f, 0.0f, 1.0f);
    std::lock_guard<std::mutex> hold(g_mixer.lock);
    mix_.volume = volume_;
  }

  void SetRate(float rate) override {
    Reanchor();
    rate_ = std::clamp(std::isfinite(rate) ? rate : 1.0f, 0.0f, kMaxRate);
    std::lock_guard<std::mutex> hold(g_mixer.lock);
    mix_.rate = rate_;
  }

  void SetPaused(int paused) override {
    if (!sound_) return;
    Reanchor();
    paused_ = paused != 0;
    std::lock_guard<std::mutex> hold(g_mixer.lock);
    mix_.paused = paused_;
  }

  void Stop() override { Finish(); }

  bool Playing() override {
    if (!sound_) return false;
    if (sound_->loops) return true;
    return LogicalFrame() < static_cast<double>(sound_->frames);
  }

  float Volume() const override { return volume_; }

  // Starts the sound from its beginning, paused, keeping volume and rate.
  void Prepare(TSound* sound) {
    Finish();
    sound_ = sound;
    paused_ = true;
    anchorFrame_ = 0;
    anchorMs_ = MillisecondClock();
    g_mixer.live.push_back(this);
    std::lock_guard<std::mutex> hold(g_mixer.lock);
    mix_.sound = sound;
    mix_.position = 0;
    mix_.paused = true;
    mix_.volume = volume_;
    mix_.rate = rate_;
    if (g_mixer.device && !mix_.queued) {
      g_mixer.mixing.push_back(this);
      mix_.queued = true;
    }
  }

  // Ends playback in both views and lets go of the sound.
  void Finish() {
    if (!sound_) return;
    sound_ = nullptr;
    auto& live = g_mixer.live;
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    std::lock_guard<std::mutex> hold(g_mixer.lock);
    mix_.sound = nullptr;
    if (mix_.queued) {
      auto& mixing = g_mixer.mixing;
      mixing.erase(std::remove(mixing.begin(), mixing.end(), this), mixing.end());
      mix_.queued = false;
    }
  }

  TSound* sound() const { return sound_; }
  bool EndedOnClock() { return sound_ && !sound_->loops && !Playing(); }

  // Audio thread, lock held. Adds this channel into out; false when the sound has ended.
  bool MixInto(float* out, int frames, int deviceRate) {
    TSound* s = mix_.sound;
    if (!s || s->frames == 0) return false;
    if (mix_.paused) return true;
    const double step = static_cast<double>(s->rate) / deviceRate * mix_.rate;
    const auto total = static_cast<double>(s->frames);
    const float gain = mix_.volume / 32768.0f;
    const int16_t* data = s->samples.data();
    const bool stereo = s->channels == 2;
    double pos = mix_.position;
    for (int i = 0; i < frames; ++i) {
      if (pos >= total) {
        if (!s->loops) {
          mix_.position = pos;
          return false;
        }
        pos = std::fmod(pos, total);
      }
      const auto index = static_cast<size_t>(pos);
      size_t next = index + 1;
      if (next >= s->frames) next = s->loops ? 0 : index;
      const auto frac = static_cast<float>(pos - static_cast<double>(index));
      float left, right;
      if (stereo) {
        left = data[index * 2] + (data[next * 2] - data[index * 2]) * frac;
        right = data[index * 2 + 1] + (data[next * 2 + 1] - data[index * 2 + 1]) * frac;
      } else {
        left = right = data[index] + (data[next] - data[index]) * frac;
      }
      out[i * 2] += left * gain;
      out[i * 2 + 1] += right * gain;
      pos += step;
    }
    mix_.position = pos;
    return true;
  }

  MixState& mix() { return mix_; }

 private:
  // Where the logical playback stands now, in source frames.
  double LogicalFrame() const {
    if (paused_ || !sound_) return anchorFrame_;
    const double seconds = (MillisecondClock() - anchorMs_) / 1000.0;
    return anchorFrame_ + seconds * sound_->rate * rate_;
  }

  // Re-bases the logical position before the rate or the pause state changes.
  void Reanchor() {
    anchorFrame_ = LogicalFrame();
    anchorMs_ = MillisecondClock();
  }

  TSound* sound_ = nullptr;
  float volume_ = 1;
  float rate_ = 1;
  bool paused_ = true;
  double anchorFrame_ = 0;
  int anchorMs_ = 0;
  MixState mix_;
};

void MixCallback(void*, Uint8* stream, int length) {
  media_internal::AudioMixInto(reinterpret_cast<float*>(stream),
                               length / static_cast<int>(2 * sizeof(float)));
}

}  // namespace

namespace media_internal {

void AudioMixInto(float* out, int frames) {
  std::fill(out, out + frames * 2, 0.0f);
  std::lock_guard<std::mutex> hold(g_mixer.lock);
  auto& mixing = g_mixer.mixing;
  size_t kept = 0;
  for (Channel* channel : mixing) {
    if (channel->MixInto(out, frames, g_mixer.deviceRate)) {
      mixing[kept++] = channel;
    } else {
      channel->mix().queued = false;
    }
  }
  mixing.resize(kept);  // shrinking never allocates
  for (int i = 0; i < frames * 2; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
}

}  // namespace media_internal

TChannel* Cue(TSound* sound, TChannel* channel) {
  auto* target = static_cast<Channel*>(channel);
  if (!sound) {
    if (target) target->Stop();
    return target;
  }
  if (!target) {
    g_mixer.channels.push_back(std::make_unique<Channel>());
    target = g_mixer.channels.back().get();
  }
  {
    // Room for every channel, so the audio thread only ever shrinks the list.
    std::lock_guard<std::mutex> hold(g_mixer.lock);
    if (g_mixer.mixing.capacity() < g_mixer.channels.size()) {
      g_mixer.mixing.reserve(g_mixer.channels.size() * 2);
    }
  }
  target->Prepare(sound);
  return target;
}

namespace media_internal {

void AudioInit(bool noAudio) {
  AudioShutdown();
  if (noAudio) return;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    PrintLine(std::string("No audio, playing silently: ") + SDL_GetError());
    return;
  }
  g_mixer.sdlAudioStarted = true;
  SDL_AudioSpec want{};
  want.freq = kDeviceRate;
  want.format = AUDIO_F32SYS;
  want.channels = 2;
  want.samples = kDeviceFrames;
  want.callback = MixCallback;
  SDL_AudioSpec have{};
  // No changes allowed: SDL converts to whatever the hardware wants.
  g_mixer.device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (g_mixer.device == 0) {
    PrintLine(std::string("No audio device, playing silently: ") + SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    g_mixer.sdlAudioStarted = false;
    return;
  }
  g_mixer.deviceRate = have.freq > 0 ? have.freq : kDeviceRate;
  SDL_PauseAudioDevice(g_mixer.device, 0);
}

void AudioShutdown() {
  if (g_mixer.device) {
    SDL_CloseAudioDevice(g_mixer.device);  // returns after the last callback
    g_mixer.device = 0;
  }
  if (g_mixer.sdlAudioStarted) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    g_mixer.sdlAudioStarted = false;
  }
  // The channel objects themselves survive: game objects may still hold them and ask Playing.
  for (auto& channel : g_mixer.channels) channel->Finish();
  g_mixer.mixing.clear();
  g_mixer.deviceRate = kDeviceRate;
}

void AudioOnFrame() {
  // Channels that ended on the media clock are finished in the mixer too, so what is heard never
  // outlasts what the game believes is playing.
  for (size_t i = 0; i < g_mixer.live.size();) {
    Channel* channel = g_mixer.live[i];
    if (channel->EndedOnClock()) {
      channel->Finish();  // removes it from live
    } else {
      ++i;
    }
  }
}

void AudioForgetSound(TSound* sound) {
  for (auto& channel : g_mixer.channels) {
    if (channel->sound() == sound) channel->Finish();
  }
}

bool AudioDeviceOpen() {
  return g_mixer.device != 0;
}

void AudioHoldDevice(bool hold) {
  if (g_mixer.device) SDL_PauseAudioDevice(g_mixer.device, hold ? 1 : 0);
}

}  // namespace media_internal
