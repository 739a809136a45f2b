// The sound catalogue on the virtual clock: set-up from the catalogue file, voice pools, the
// click limit, music cross-fades, the music volume, level-music rotation and NoSound.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "app/frame_timing.h"
#include "app/globals.h"
#include "audio/global_snd.h"
#include "audio/sound_hooks.h"
#include "test_support.h"

namespace {

using testing_support::MediaScope;
using testing_support::ScratchDir;
using testing_support::WriteFile;

// A mono 16-bit WAV of the given length holding a quiet tone.
std::string Wav(int milliseconds) {
  const uint32_t rate = 22050;
  const uint32_t samples = rate * static_cast<uint32_t>(milliseconds) / 1000;
  std::string out;
  auto u32 = [&](uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  auto u16 = [&](uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
  };
  out += "RIFF";
  u32(36 + samples * 2);
  out += "WAVEfmt ";
  u32(16);
  u16(1);
  u16(1);
  u32(rate);
  u32(rate * 2);
  u16(2);
  u16(16);
  out += "data";
  u32(samples * 2);
  for (uint32_t i = 0; i < samples; ++i) u16(static_cast<uint16_t>((i % 50) < 25 ? 800 : -800));
  return out;
}

const char* const kCatalogue =
    "globalSnd {\n"
    "\tmusics = 4\n"
    "\tsounds = 4\n"
    "\tmusic1 {\n\t\tid = \"title\"\n\t\tloop = 1\n\t\turl = \"music/title.wav\"\n\t}\n\n"
    "\tmusic2 {\n\t\tid = \"mapa\"\n\t\tloop = 0\n\t\turl = \"music/mapa.wav\"\n\t}\n\n"
    "\tmusic3 {\n\t\tid = \"level-1\"\n\t\tloop = 0\n\t\turl = \"music/level.wav\"\n\t}\n\n"
    "\tmusic4 {\n\t\tid = \"gone\"\n\t\tloop = 0\n\t\turl = \"music/gone.wav\"\n\t}\n\n"
    "\tsnd1 {\n\t\tid = \"match\"\n\t\turl = \"sfx/match.wav\"\n\t}\n\n"
    "\tsnd2 {\n\t\tid = \"button\"\n\t\turl = \"sfx/button.wav\"\n\t\tvol = 0.5\n\t}\n\n"
    "\tsnd3 {\n\t\tid = \"MATCH\"\n\t\turl = \"sfx/button.wav\"\n\t}\n\n"
    "\tsnd4 {\n\t\tid = \"broken\"\n\t\turl = \"sfx/missing.wav\"\n\t}\n\n"
    "}\n";

class AudioGlobalSnd : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(media_.ok());
    before_ = CurrentFolder();
    WriteFile(dir_ / "game/data/globalSnd.txt", kCatalogue);
    WriteFile(dir_ / "game/music/title.wav", Wav(10000));
    WriteFile(dir_ / "game/music/mapa.wav", Wav(10000));
    WriteFile(dir_ / "game/music/level.wav", Wav(10000));
    WriteFile(dir_ / "game/sfx/match.wav", Wav(1000));
    WriteFile(dir_ / "game/sfx/button.wav", Wav(200));
    ASSERT_TRUE(ChangeFolder(dir_.path()));
    NoSound = 0;
    FrameDelta = 1;
    SetVolumeStepSources([this] { return soundStep_; }, [this] { return musicStep_; });
    SetMusicCounterSource(nullptr);
  }
  void TearDown() override {
    SetVolumeStepSources(nullptr, nullptr);
    SetMusicCounterSource(nullptr);
    ChangeFolder(before_);
  }
  // A set-up catalogue; the printed lines (message boxes, "vol") go to *printed.
  void Setup(std::string* printed = nullptr) {
    testing::internal::CaptureStdout();
    snd_.setup();
    std::string out = testing::internal::GetCapturedStdout();
    if (printed) *printed = out;
  }
  int SoundingVoices(TSoundData* data) {
    int n = 0;
    for (TChannel* voice : data->chn) n += voice && voice->Playing();
    return n;
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i) snd_.update();
  }

  MediaScope media_{BackendKind::Null};
  ScratchDir dir_;
  std::string before_;
  int soundStep_ = 5;
  int musicStep_ = 5;
  TGlobalSnd snd_;
};

TEST_F(AudioGlobalSnd, SetupReadsTheCatalogue) {
  EXPECT_EQ(snd_.musics, nullptr);
  EXPECT_EQ(snd_.sounds, nullptr);
  std::string printed;
  Setup(&printed);
  ASSERT_NE(snd_.musics, nullptr);
  ASSERT_NE(snd_.sounds, nullptr);
  EXPECT_EQ(snd_.musics->Count(), 4);
  EXPECT_EQ(snd_.sounds->Count(), 4);
  EXPECT_NE(printed.find("NO FILE: game/music/gone.wav"), std::string::npos) << printed;
  EXPECT_NE(printed.find("vol\n"), std::string::npos);

  TMusicData* title = snd_.getMusicData("TITLE");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->url, "game/music/title.wav");
  EXPECT_EQ(title->loop, 1);
  EXPECT_EQ(title->snd, nullptr);  // music loads on first use
  EXPECT_EQ(snd_.getMusicData("nothing"), nullptr);

  TSoundData* match = snd_.getSoundData("Match");
  ASSERT_NE(match, nullptr);
  EXPECT_EQ(match->url, "game/sfx/match.wav");  // the first of two equal ids
  EXPECT_NE(match->snd, nullptr);
  EXPECT_EQ(match->vol, 1.0f);
  EXPECT_EQ(snd_.getSoundData("button")->vol, 0.5f);
  EXPECT_EQ(snd_.getSoundData("broken")->snd, nullptr);
  // An entry whose sound failed plays nothing and reports nothing.
  testing::internal::CaptureStdout();
  snd_.playMySound("broken");
  snd_.playMySound("no-such-id");
  snd_.playMySound("");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(snd_.getSoundData("broken")->chn[0], nullptr);
}

TEST_F(AudioGlobalSnd, SixVoicesPerEffectAtMost) {
  Setup();
  TSoundData* match = snd_.getSoundData("match");
  for (int i = 0; i < 7; ++i) snd_.playMySound("match");
  EXPECT_EQ(SoundingVoices(match), 6);
  std::set<TChannel*> distinct(match->chn.begin(), match->chn.end());
  EXPECT_EQ(distinct.size(), 6u);
  for (TChannel* voice : match->chn) EXPECT_FLOAT_EQ(voice->Volume(), 0.5f);
  // Once they have ended, update frees the voices and the effect plays again.
  AdvanceVirtualClock(1100);
  snd_.update();
  for (TChannel* voice : match->chn) EXPECT_EQ(voice, nullptr);
  soundStep_ = 8;
  snd_.playMySound(match);
  EXPECT_EQ(SoundingVoices(match), 1);
  EXPECT_FLOAT_EQ(match->chn[0]->Volume(), 0.8f);
  // The effect's own factor applies.
  snd_.playMySound("button");
  EXPECT_FLOAT_EQ(snd_.getSoundData("button")->chn[0]->Volume(), 0.4f);
}

TEST_F(AudioGlobalSnd, SoundStepZeroUsesNoVoice) {
  Setup();
  soundStep_ = 0;
  snd_.playMySound("match");
  snd_.click();
  for (TChannel* voice : snd_.getSoundData("match")->chn) EXPECT_EQ(voice, nullptr);
}

TEST_F(AudioGlobalSnd, ClicksCloserThan100MsPlayOnce) {
  Setup();
  TSoundData* button = snd_.getSoundData("button");
  AdvanceVirtualClock(1000);
  snd_.click();
  AdvanceVirtualClock(99);
  snd_.click();
  EXPECT_EQ(SoundingVoices(button), 1);
  AdvanceVirtualClock(1);  // 100 ms after the first accepted click
  snd_.click();
  EXPECT_EQ(SoundingVoices(button), 2);
  EXPECT_EQ(snd_.lastClick, MillisecondClock());
}

TEST_F(AudioGlobalSnd, MusicCrossFadesOverTime) {
  Setup();
  snd_.setMusicVol(0.5f);
  snd_.playMyMusic("title");
  TChannel* title = snd_.newMusicCHN;
  ASSERT_NE(title, nullptr);
  EXPECT_NE(snd_.getMusicData("title")->snd, nullptr);  // loaded by the first play
  EXPECT_FLOAT_EQ(title->Volume(), 0.0f);
  Frames(10);
  EXPECT_NEAR(snd_.newPer, 0.3f, 1e-5);
  EXPECT_NEAR(title->Volume(), 0.5f * 0.3f * 0.5f, 1e-5);
  Frames(30);
  EXPECT_EQ(snd_.newPer, 1.0f);
  EXPECT_FLOAT_EQ(title->Volume(), 0.25f);  // music never exceeds half volume

  snd_.playMyMusic("mapa");
  TChannel* mapa = snd_.newMusicCHN;
  ASSERT_NE(mapa, title);
  EXPECT_EQ(snd_.oldMusicCHN, title);
  EXPECT_EQ(snd_.oldMusicData, snd_.getMusicData("title"));
  EXPECT_EQ(snd_.newMusicData, snd_.getMusicData("mapa"));
  Frames(1);
  EXPECT_NEAR(title->Volume(), 0.5f * 0.97f * 0.5f, 1e-5);
  EXPECT_NEAR(mapa->Volume(), 0.5f * 0.03f * 0.5f, 1e-5);
  Frames(32);
  EXPECT_TRUE(title->Playing());
  Frames(1);  // the 34th frame: the outgoing track is silent and stopped
  EXPECT_FALSE(title->Playing());
  EXPECT_EQ(snd_.oldMusicCHN, nullptr);
  EXPECT_FLOAT_EQ(mapa->Volume(), 0.25f);
}

TEST_F(AudioGlobalSnd, SwitchingDuringAFadeStopsTheOlderTrack) {
  Setup();
  snd_.setMusicVol(0.5f);
  snd_.playMyMusic("title");
  TChannel* title = snd_.newMusicCHN;
  Frames(40);
  snd_.playMyMusic("mapa");
  Frames(5);
  snd_.playMyMusic("level-1");
  EXPECT_FALSE(title->Playing());
  EXPECT_EQ(snd_.oldMusicData, snd_.getMusicData("mapa"));
  EXPECT_EQ(snd_.oldPer, 1.0f);
  // Asking for the track already playing restarts it, cross-faded with itself.
  TChannel* level = snd_.newMusicCHN;
  snd_.playMyMusic("LEVEL-1");
  EXPECT_EQ(snd_.oldMusicCHN, level);
  EXPECT_NE(snd_.newMusicCHN, level);
  EXPECT_EQ(snd_.newMusicData, snd_.oldMusicData);
}

TEST_F(AudioGlobalSnd, MusicVolumeZeroStopsAndRaisingRestarts) {
  Setup();
  snd_.setMusicVol(0.5f);
  snd_.playMyMusic("title");
  Frames(40);
  TChannel* first = snd_.newMusicCHN;
  musicStep_ = 0;
  snd_.setMusicVol(0.0f);
  EXPECT_FALSE(first->Playing());
  EXPECT_EQ(snd_.newMusicCHN, nullptr);
  EXPECT_EQ(snd_.newMusicData, snd_.getMusicData("title"));
  musicStep_ = 1;
  snd_.setMusicVol(0.1f);
  ASSERT_NE(snd_.newMusicCHN, nullptr);
  EXPECT_TRUE(snd_.newMusicCHN->Playing());
  EXPECT_EQ(snd_.newPer, 0.0f);
  Frames(10);
  EXPECT_NEAR(snd_.newMusicCHN->Volume(), 0.1f * 0.3f * 0.5f, 1e-5);
  // A change that is not from 0 only sets the volumes.
  TChannel* current = snd_.newMusicCHN;
  snd_.setMusicVol(0.4f);
  EXPECT_EQ(snd_.newMusicCHN, current);
  EXPECT_NEAR(current->Volume(), 0.4f * 0.3f * 0.5f, 1e-5);
}

TEST_F(AudioGlobalSnd, LevelMusicRotatesThroughTheProfileCounter) {
  Setup();
  int musicN = 0;
  SetMusicCounterSource([&] { return &musicN; });
  const int expected[] = {1, 2, 3, 1, 2};
  for (int n : expected) {
    snd_.playLevelMusic();
    EXPECT_EQ(musicN, n);
  }
  musicN = 7;  // damaged profile
  snd_.playLevelMusic();
  EXPECT_EQ(musicN, 1);
  musicN = -5;
  snd_.playLevelMusic();
  EXPECT_EQ(musicN, 1);
  EXPECT_EQ(snd_.newMusicData, snd_.getMusicData("level-1"));
  // No profile: the first level track.
  SetMusicCounterSource(nullptr);
  snd_.playMyMusic("title");
  snd_.playLevelMusic();
  EXPECT_EQ(snd_.newMusicData, snd_.getMusicData("level-1"));
}

TEST_F(AudioGlobalSnd, ExactMusicLoadsAndReloads) {
  Setup();
  snd_._setupExactMusic(1);
  TMusicData* title = snd_.getMusicData("title");
  ASSERT_NE(title->snd, nullptr);
  EXPECT_TRUE(SoundLoops(title->snd));
  for (int i = 0; i < 3; ++i) snd_._setupExactMusic(1);  // the old decodes are released
  ASSERT_NE(title->snd, nullptr);
  snd_.playMyMusic("title");
  ASSERT_NE(snd_.newMusicCHN, nullptr);
  EXPECT_TRUE(snd_.newMusicCHN->Playing());
  // Reloaded while it plays: the playing decode stays alive until its channel ends.
  snd_._setupExactMusic(1);
  EXPECT_TRUE(snd_.newMusicCHN->Playing());
  testing::internal::CaptureStdout();
  snd_._setupExactMusic(4);
  std::string printed = testing::internal::GetCapturedStdout();
  EXPECT_NE(printed.find("NIE UDALO SIE ZALADOWAC: game/music/gone.wav FILETYPE : 0"),
            std::string::npos)
      << printed;
  snd_._setupExactMusic(99);  // no such entry: nothing
}

TEST_F(AudioGlobalSnd, NoSoundLoadsAndPlaysNothing) {
  NoSound = 1;
  Setup();
  EXPECT_EQ(snd_.musics, nullptr);
  EXPECT_EQ(snd_.sounds, nullptr);
  snd_._setupExactMusic(1);
  snd_.playMySound("match");
  snd_.playMyMusic("title");
  snd_.playLevelMusic();
  snd_.click();
  snd_.setMusicVol(0.5f);
  snd_.update();
  EXPECT_EQ(snd_.newMusicCHN, nullptr);
  EXPECT_EQ(snd_.newMusicData, nullptr);
  NoSound = 0;
}

TEST_F(AudioGlobalSnd, DamagedCatalogueStaysBounded) {
  WriteFile(dir_ / "game/data/globalSnd.txt",
            "globalSnd {\n\tmusics = 1e30\n\tsounds = -4\n"
            "\tmusic1 {\n\t\tid = \"title\"\n\t\turl = \"music/title.wav\"\n\t}\n}\n");
  std::string printed;
  Setup(&printed);
  EXPECT_EQ(snd_.musics->Count(), 1);
  EXPECT_EQ(snd_.sounds->Count(), 0);
  // A missing catalogue is an empty one.
  DeleteFile(dir_ / "game/data/globalSnd.txt");
  TGlobalSnd empty;
  testing::internal::CaptureStdout();
  empty.setup();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(empty.musics->Count(), 0);
  EXPECT_EQ(empty.sounds->Count(), 0);
}

}  // namespace
