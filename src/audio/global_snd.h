// TGlobalSnd: the one sound and music catalogue. Effects are decoded at set-up and played by id
// on small voice pools; music tracks load on first use and play one at a time, cross-fading
// from the outgoing track to the incoming one.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/globals.h"
#include "audio/sound_data.h"
#include "gui/screen_base.h"
#include "media/media.h"

class TGlobalSnd : public TEkran {
 public:
  std::shared_ptr<TList<TMusicData>> musics;  // null until set-up
  std::shared_ptr<TList<TSoundData>> sounds;  // null until set-up
  std::shared_ptr<TList<TSoundData>> comments;
  TChannel* newMusicCHN = nullptr;
  TChannel* oldMusicCHN = nullptr;
  TMusicData* oldMusicData = nullptr;
  TMusicData* newMusicData = nullptr;
  float musicSpecVol = 0.5f;
  float newPer = 0;
  float oldPer = 0;
  float musicVol = 0;
  int lastClick = 0;

  // Reads the catalogue (music entries, then effects, decoded now) unless NoSound.
  int setup() override;
  // Once per frame: the cross-fade, then the effects' voice bookkeeping.
  int update() override;
  virtual int _setupMusic();
  virtual int _setupSounds();
  // Loads music number n (from 1) now, replacing any earlier load of it.
  virtual int _setupExctMusic(int n);
  virtual int _setupExactMusic(int n);
  // The "button" effect, at most once per 100 ms.
  virtual int click();
  virtual int over();
  virtual int winLevel();
  // One of "move-0" .. "move-2" at random.
  virtual int playMoveSound();
  virtual int playMySound(const std::string& id);
  virtual int playMySound(TSoundData* data);
  // The next of "level-1" .. "level-3" after the current profile's musicN (stored back).
  virtual int playLevelMusic();
  virtual int stopAllMusic();
  virtual int playMusicBack();
  virtual int playMyMusic(const std::string& id);
  virtual int playMyMusic(TMusicData* data);
  virtual int setSoundVol(float v);
  // The music volume (0..1) changed: applied to both music channels; 0 stops them and a rise
  // from 0 starts the remembered track again.
  virtual int setMusicVol(float v);
  virtual TMusicData* getMusicData(const std::string& id);
  virtual TSoundData* getSoundData(const std::string& id);
  virtual int mustPlayNewMusic();
  virtual int pauseSounds();
  virtual int resumeSounds();
  virtual int stopMusic();
  virtual int hideMusic();
  const char* screenName() const override { return "TGlobalSnd"; }

  // The level track number that follows musicN: 1, 2, 3, then 1 again (anything else gives 1).
  static int NextLevelMusic(int musicN);
  // A decoded track that is being replaced: freed now, or once no music channel plays it.
  void retireSound(TSound* sound);

 private:
  TChannel* cueMusic(TSound* sound);
  void freeRetiredSounds();
  TSound* newMusicSnd_ = nullptr;  // what newMusicCHN / oldMusicCHN were cued with
  TSound* oldMusicSnd_ = nullptr;
  std::vector<TSound*> retired_;
  std::vector<TChannel*> musicChannels_;  // every music channel cued so far, for reuse
};

// The catalogue the game plays from; created empty at start-up, filled by the loading screen.
extern TGlobalSnd* GlobalSnd;
