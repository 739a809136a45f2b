#include "audio/sound_hooks.h"

#include <algorithm>

namespace {

std::function<int()>& SoundSource() {
  static std::function<int()> source;
  return source;
}
std::function<int()>& MusicSource() {
  static std::function<int()> source;
  return source;
}
std::function<int*()>& CounterSource() {
  static std::function<int*()> source;
  return source;
}

}  // namespace

void SetVolumeStepSources(std::function<int()> soundStep, std::function<int()> musicStep) {
  SoundSource() = std::move(soundStep);
  MusicSource() = std::move(musicStep);
}

int SoundStep() {
  const int step = SoundSource() ? SoundSource()() : 5;
  return std::clamp(step, 0, 10);
}

int MusicStep() {
  const int step = MusicSource() ? MusicSource()() : 5;
  return std::clamp(step, 0, 10);
}

float SoundStepVolume() {
  return static_cast<float>(SoundStep()) / 10.0f;
}

float MusicStepVolume() {
  return static_cast<float>(MusicStep()) / 10.0f;
}

void SetMusicCounterSource(std::function<int*()> source) {
  CounterSource() = std::move(source);
}

int* CurrentMusicCounter() {
  return CounterSource() ? CounterSource()() : nullptr;
}
