// Entries of the sound catalogue: an effect decoded once and played on up to six voices, and a
// music track loaded when first needed.
#pragma once

#include <array>
#include <string>

#include "media/media.h"

class TSoundData {
 public:
  static constexpr int kVoices = 6;

  std::string id;
  std::string url;  // AssetRoot + the catalogue's url
  TSound* snd = nullptr;
  std::array<TChannel*, kVoices> chn{};  // each null or the channel last used for this effect
  float vol = 1.0f;
  std::string typ;

  virtual ~TSoundData() = default;
  // Plays at rate percent of the normal speed (100 normal), on a free voice like playMe.
  virtual int playWithRate(int rate);
  // Plays on the first free voice at the effect volume of the options; dropped when all six
  // voices are still sounding.
  virtual int playMe();
  // Frees the voices that have finished.
  virtual int update();

  std::string key;  // upper-cased id

 private:
  TChannel* start(float rate);
  // Channels kept for reuse once a voice has finished, so playing never grows the mixer.
  std::array<TChannel*, kVoices> spare_{};
};

class TMusicData {
 public:
  std::string id;
  std::string url;  // AssetRoot + the catalogue's url
  TSound* snd = nullptr;
  int loop = 0;  // 1 loops the track

  virtual ~TMusicData() = default;
  // Loads the track (replacing any earlier one); no message on failure.
  virtual int loadMe();

  std::string key;  // upper-cased id
};
