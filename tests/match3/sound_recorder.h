// A sound catalogue for board tests that plays nothing and only records which effects and music
// were asked for, installed as GlobalSnd for the life of a scope.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "audio/global_snd.h"

namespace board_test {

class RecordingSnd : public TGlobalSnd {
 public:
  using TGlobalSnd::playMyMusic;
  using TGlobalSnd::playMySound;

  int playMySound(const std::string& id) override {
    sounds.push_back(id);
    return 0;
  }
  int playMoveSound() override {
    sounds.push_back("(move)");
    return 0;
  }
  int click() override {
    sounds.push_back("(click)");
    return 0;
  }
  int playMyMusic(const std::string& id) override {
    music.push_back(id);
    return 0;
  }
  int playLevelMusic() override {
    music.push_back("(level)");
    return 0;
  }

  int count(const std::string& id) const {
    return static_cast<int>(std::count(sounds.begin(), sounds.end(), id));
  }

  std::vector<std::string> sounds;
  std::vector<std::string> music;
};

// Installs a recorder as GlobalSnd and puts the previous catalogue back at the end.
class SoundScope {
 public:
  SoundScope() : saved_(GlobalSnd) { GlobalSnd = &snd; }
  ~SoundScope() { GlobalSnd = saved_; }
  SoundScope(const SoundScope&) = delete;
  SoundScope& operator=(const SoundScope&) = delete;

  RecordingSnd snd;

 private:
  TGlobalSnd* saved_;
};

}  // namespace board_test
