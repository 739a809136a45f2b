#include "audio/global_snd.h"

#include <algorithm>

#include "app/frame_timing.h"
#include "audio/sound_hooks.h"
#include "textdata/numbers.h"
#include "textdata/rcm_file.h"

TGlobalSnd* GlobalSnd = nullptr;

namespace {

const char* const kCatalogue = "data/globalSnd.txt";

// How many numbered entries to read: the count the catalogue gives, but never more than it
// has groups (a damaged count must not make set-up create millions of empty entries).
int EntryCount(TRCMFile& file, const std::string& countKey) {
  const int count = TruncToInt(file.getFloat(countKey, 0, 0));
  if (count <= 0) return 0;
  TRCMGroup* group = file._grupa->getGroup("globalSnd");
  const int available = group ? group->_listaGrup.Count() : 0;
  if (count > available) {
    PrintLine("Napotkano problem : " + countKey + " = " + std::to_string(count) + ", a grup jest " +
              std::to_string(available) + " : " + file._path);
    return available;
  }
  return count;
}

}  // namespace

int TGlobalSnd::setup() {
  if (NoSound) return 0;
  _setupMusic();
  _setupSounds();
  return 0;
}

int TGlobalSnd::_setupMusic() {
  if (NoSound) return 0;
  auto file = LoadRCM(AssetRoot + kCatalogue);
  musics = std::make_shared<TList<TMusicData>>();
  const int count = EntryCount(*file, "globalSnd::musics");
  for (int n = 1; n <= count; ++n) {
    const std::string prefix = "globalSnd::music" + std::to_string(n) + "::";
    auto data = std::make_shared<TMusicData>();
    data->id = file->getString(prefix + "id", 0);
    data->key = ToUpperCase(data->id);
    data->loop = TruncToInt(file->getFloat(prefix + "loop", 0, 0));
    data->url = AssetRoot + file->getString(prefix + "url", 0);
    if (PathKind(data->url) == 0) ShowMessageBox("NO FILE: " + data->url, 0);
    musics->AddLast(std::move(data));
  }
  return 0;
}

int TGlobalSnd::_setupSounds() {
  if (NoSound) return 0;
  auto file = LoadRCM(AssetRoot + kCatalogue);
  sounds = std::make_shared<TList<TSoundData>>();
  const int count = EntryCount(*file, "globalSnd::sounds");
  for (int k = 1; k <= count; ++k) {
    const std::string prefix = "globalSnd::snd" + std::to_string(k) + "::";
    auto data = std::make_shared<TSoundData>();
    data->id = file->getString(prefix + "id", 0);
    data->key = ToUpperCase(data->id);
    data->url = AssetRoot + file->getString(prefix + "url", 0);
    data->snd = LoadSoundFile(data->url, 0);
    const float vol = file->getFloat(prefix + "vol", 0, 0);
    if (vol != 0) {
      data->vol = vol;
      PrintLine("vol");
    }
    sounds->AddLast(std::move(data));
  }
  return 0;
}

int TGlobalSnd::_setupExctMusic(int n) {
  if (NoSound || !musics) return 0;
  int index = 0;
  musics->ForEach([&](const std::shared_ptr<TMusicData>& data) {
    if (++index != n) return;
    TSound* loaded = LoadSoundFile(data->url, data->loop);
    if (data->snd) retireSound(data->snd);
    data->snd = loaded;
    if (!loaded) {
      ShowMessageBox("NIE UDALO SIE ZALADOWAC: " + data->url +
                         " FILETYPE : " + std::to_string(PathKind(data->url)),
                     0);
    }
  });
  return 0;
}

int TGlobalSnd::_setupExactMusic(int n) {
  if (NoSound) return 0;
  return _setupExctMusic(n);
}

TMusicData* TGlobalSnd::getMusicData(const std::string& id) {
  if (!musics) return nullptr;
  const std::string key = ToUpperCase(id);
  TMusicData* found = nullptr;
  musics->ForEach([&](const std::shared_ptr<TMusicData>& data) {
    if (!found && data->key == key) found = data.get();
  });
  return found;
}

TSoundData* TGlobalSnd::getSoundData(const std::string& id) {
  if (!sounds) return nullptr;
  const std::string key = ToUpperCase(id);
  TSoundData* found = nullptr;
  sounds->ForEach([&](const std::shared_ptr<TSoundData>& data) {
    if (!found && data->key == key) found = data.get();
  });
  return found;
}

int TGlobalSnd::playMySound(const std::string& id) {
  if (NoSound || SoundStep() == 0 || id.empty()) return 0;
  return playMySound(getSoundData(id));
}

int TGlobalSnd::playMySound(TSoundData* data) {
  if (NoSound || SoundStep() == 0 || !data) return 0;
  return data->playMe();
}

int TGlobalSnd::playMoveSound() {
  return playMySound("move-" + std::to_string(RandomInt(0, 2)));
}

int TGlobalSnd::click() {
  const int now = MillisecondClock();
  if (static_cast<long long>(now) - lastClick >= 100) {
    lastClick = now;
    playMySound("button");
  }
  return 0;
}

int TGlobalSnd::over() {
  return 0;
}

int TGlobalSnd::setSoundVol(float) {
  return 0;
}

int TGlobalSnd::winLevel() {
  return playMyMusic("win");
}

int TGlobalSnd::NextLevelMusic(int musicN) {
  const int next = musicN + 1;
  return next >= 1 && next <= 3 ? next : 1;
}

int TGlobalSnd::playLevelMusic() {
  int n = 1;
  if (int* counter = CurrentMusicCounter()) {
    n = NextLevelMusic(*counter);
    *counter = n;
  }
  return playMyMusic("level-" + std::to_string(n));
}

int TGlobalSnd::mustPlayNewMusic() {
  return !newMusicCHN || !newMusicCHN->Playing() ? 1 : 0;
}

TChannel* TGlobalSnd::cueMusic(TSound* sound) {
  // A music channel that has ended is used again rather than asking the mixer for a new one.
  TChannel* reuse = nullptr;
  for (TChannel* channel : musicChannels_) {
    if (channel != newMusicCHN && channel != oldMusicCHN && !channel->Playing()) {
      reuse = channel;
      break;
    }
  }
  TChannel* channel = Cue(sound, reuse);
  if (channel && !reuse) musicChannels_.push_back(channel);
  if (channel) channel->SetRate(1.0f);
  return channel;
}

int TGlobalSnd::playMyMusic(const std::string& id) {
  if (NoSound || id.empty()) return 0;
  TMusicData* data = getMusicData(id);
  if (!data) return 0;
  if (!data->snd) data->loadMe();
  return playMyMusic(data);
}

int TGlobalSnd::playMyMusic(TMusicData* data) {
  if (NoSound || !data || !data->snd) return 0;
  const float volume = MusicStepVolume();
  if (mustPlayNewMusic()) {
    newMusicCHN = cueMusic(data->snd);
    newMusicSnd_ = data->snd;
    newMusicData = data;
    newPer = 0;
    if (newMusicCHN) {
      newMusicCHN->SetVolume(volume * newPer * musicSpecVol);
      newMusicCHN->SetPaused(0);
    }
    return 0;
  }
  if (oldPer > 0 && oldMusicCHN && oldMusicCHN->Playing()) oldMusicCHN->Stop();
  oldMusicData = newMusicData;
  oldMusicCHN = newMusicCHN;
  oldMusicSnd_ = newMusicSnd_;
  oldPer = 1;
  newPer = 0;
  newMusicCHN = cueMusic(data->snd);
  newMusicSnd_ = data->snd;
  if (newMusicCHN) {
    newMusicCHN->SetVolume(volume * 0 * musicSpecVol);
    newMusicCHN->SetPaused(0);
  }
  newMusicData = data;
  return 0;
}

int TGlobalSnd::update() {
  newPer = std::min(newPer + 0.03f * FrameDelta, 1.0f);
  oldPer = std::max(oldPer - 0.03f * FrameDelta, 0.0f);
  const float volume = MusicStepVolume();
  if (oldMusicCHN && oldMusicCHN->Playing()) {
    if (oldPer == 0) {
      oldMusicCHN->Stop();
      oldMusicCHN = nullptr;
    } else {
      oldMusicCHN->SetVolume(volume * oldPer * musicSpecVol);
    }
  }
  if (newMusicCHN && newMusicCHN->Playing()) {
    newMusicCHN->SetVolume(volume * newPer * musicSpecVol);
  }
  if (sounds) sounds->ForEach([](const std::shared_ptr<TSoundData>& data) { data->update(); });
  if (!retired_.empty()) freeRetiredSounds();
  return 0;
}

int TGlobalSnd::setMusicVol(float v) {
  if (musicVol == 0 && v > 0) {
    playMyMusic(newMusicData);
  } else {
    if (oldMusicCHN) oldMusicCHN->SetVolume(v * oldPer * musicSpecVol);
    if (newMusicCHN) newMusicCHN->SetVolume(v * newPer * musicSpecVol);
  }
  if (v == 0) {
    if (oldMusicCHN && oldMusicCHN->Playing()) oldMusicCHN->Stop();
    if (newMusicCHN && newMusicCHN->Playing()) {
      newMusicCHN->Stop();
      newMusicCHN = nullptr;
    }
  }
  musicVol = v;
  return 0;
}

int TGlobalSnd::stopAllMusic() {
  if (NoSound) return 0;
  if (oldMusicCHN && oldMusicCHN->Playing()) oldMusicCHN->SetPaused(1);
  if (newMusicCHN && newMusicCHN->Playing()) newMusicCHN->SetPaused(1);
  return 0;
}

int TGlobalSnd::playMusicBack() {
  if (NoSound || !newMusicData) return 0;
  if (!newMusicCHN) return playMyMusic(newMusicData);
  newMusicCHN->SetPaused(0);
  return 0;
}

int TGlobalSnd::pauseSounds() {
  if (oldMusicCHN) oldMusicCHN->SetPaused(1);
  if (newMusicCHN) newMusicCHN->SetPaused(1);
  return 0;
}

int TGlobalSnd::resumeSounds() {
  if (oldMusicCHN) oldMusicCHN->SetPaused(0);
  if (newMusicCHN) newMusicCHN->SetPaused(0);
  return 0;
}

int TGlobalSnd::stopMusic() {
  if (oldMusicCHN && oldMusicCHN->Playing()) oldMusicCHN->Stop();
  if (newMusicCHN && newMusicCHN->Playing()) newMusicCHN->Stop();
  return 0;
}

int TGlobalSnd::hideMusic() {
  oldMusicCHN = newMusicCHN;
  oldMusicSnd_ = newMusicSnd_;
  newMusicCHN = nullptr;
  newMusicSnd_ = nullptr;
  return 0;
}

void TGlobalSnd::retireSound(TSound* sound) {
  if (!sound) return;
  retired_.push_back(sound);
  freeRetiredSounds();
}

void TGlobalSnd::freeRetiredSounds() {
  auto inUse = [&](TSound* sound) {
    return (sound == newMusicSnd_ && newMusicCHN && newMusicCHN->Playing()) ||
           (sound == oldMusicSnd_ && oldMusicCHN && oldMusicCHN->Playing());
  };
  auto kept = std::remove_if(retired_.begin(), retired_.end(), [&](TSound* sound) {
    if (inUse(sound)) return false;
    if (sound == newMusicSnd_) newMusicSnd_ = nullptr;
    if (sound == oldMusicSnd_) oldMusicSnd_ = nullptr;
    FreeSound(sound);
    return true;
  });
  retired_.erase(kept, retired_.end());
}
