// Sound loading (WAV and Ogg Vorbis made here), channels on the virtual clock without a device,
// the mixer's arithmetic, and damaged or hostile files.
#include <gtest/gtest.h>
#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "media/audio_mixer.h"
#include "media/internal.h"
#include "media/sound.h"
#include "media/sound_data.h"
#include "test_support.h"

namespace {

using testing_support::MediaScope;
using testing_support::ScratchDir;
using testing_support::WriteFile;

void Put16(std::string& s, int v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& s, uint32_t v) {
  Put16(s, static_cast<int>(v & 0xFFFF));
  Put16(s, static_cast<int>(v >> 16));
}

struct WavSpec {
  int format = 1;  // 1 PCM, 3 float, 0xFFFE extensible (PCM)
  int channels = 1;
  uint32_t rate = 22050;
  int bits = 16;
  int frames = 11025;
};

// A WAV whose samples ramp; `sample(i)` gives the 16-bit value of frame i.
std::string MakeWav(const WavSpec& w, int (*sample)(int) = nullptr) {
  std::string data;
  for (int i = 0; i < w.frames; ++i) {
    const int v = sample ? sample(i) : (i * 37) % 20000 - 10000;
    for (int c = 0; c < w.channels; ++c) {
      if (w.format == 3) {
        float f = v / 32768.0f;
        uint32_t raw;
        std::memcpy(&raw, &f, 4);
        Put32(data, raw);
      } else if (w.bits == 8) {
        data += static_cast<char>((v >> 8) + 128);
      } else if (w.bits == 16) {
        Put16(data, v);
      } else if (w.bits == 24) {
        data += '\0';
        Put16(data, v);
      } else {
        Put16(data, 0);
        Put16(data, v);
      }
    }
  }
  const int blockAlign = w.channels * w.bits / 8;
  std::string fmt;
  Put16(fmt, w.format);
  Put16(fmt, w.channels);
  Put32(fmt, w.rate);
  Put32(fmt, w.rate * static_cast<uint32_t>(blockAlign));
  Put16(fmt, blockAlign);
  Put16(fmt, w.bits);
  if (w.format == 0xFFFE) {
    Put16(fmt, 22);
    Put16(fmt, w.bits);
    Put32(fmt, w.channels == 1 ? 4 : 3);
    Put16(fmt, 1);  // sub-format GUID: PCM
    fmt += std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
  }
  std::string out = "RIFF";
  Put32(out, static_cast<uint32_t>(4 + 8 + fmt.size() + 8 + 8 + data.size()));
  out += "WAVE";
  out += "LIST";  // an unrelated chunk before the format, odd-sized, to be skipped
  Put32(out, 3);
  out += std::string("abc\0", 4);
  out += "fmt ";
  Put32(out, static_cast<uint32_t>(fmt.size()));
  out += fmt;
  out += "data";
  Put32(out, static_cast<uint32_t>(data.size()));
  out += data;
  return out;
}

// Encodes a sine tone with libvorbisenc, so the test needs no stored asset.
std::string MakeOgg(int channels, int rate, int frames) {
  vorbis_info vi;
  vorbis_info_init(&vi);
  EXPECT_EQ(vorbis_encode_init_vbr(&vi, channels, rate, 0.3f), 0);
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_dsp_state vd;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block vb;
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, 1234);
  std::string out;
  const auto writePages = [&](bool flush) {
    ogg_page page;
    while (flush ? ogg_stream_flush(&os, &page) : ogg_stream_pageout(&os, &page)) {
      out.append(reinterpret_cast<char*>(page.header), static_cast<size_t>(page.header_len));
      out.append(reinterpret_cast<char*>(page.body), static_cast<size_t>(page.body_len));
    }
  };
  ogg_packet header, comments, code;
  vorbis_analysis_headerout(&vd, &vc, &header, &comments, &code);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &comments);
  ogg_stream_packetin(&os, &code);
  writePages(true);
  const auto drain = [&] {
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&vd, &packet)) {
        ogg_stream_packetin(&os, &packet);
        writePages(false);
      }
    }
  };
  const int chunk = 4096;
  for (int start = 0; start < frames; start += chunk) {
    const int n = std::min(chunk, frames - start);
    float** buffer = vorbis_analysis_buffer(&vd, n);
    for (int i = 0; i < n; ++i) {
      for (int c = 0; c < channels; ++c) {
        buffer[c][i] = 0.4f * std::sin(2 * 3.14159265f * 440.0f * (start + i) / rate);
      }
    }
    vorbis_analysis_wrote(&vd, n);
    drain();
  }
  vorbis_analysis_wrote(&vd, 0);
  drain();
  writePages(true);
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return out;
}

TEST(CoreSound, LoadsWavOfEveryLayoutWithItsLengthAndLoopFlag) {
  ScratchDir dir;
  const struct {
    const char* name;
    WavSpec spec;
  } cases[] = {
      {"mono16.wav", {1, 1, 22050, 16, 11025}},
      {"stereo16.wav", {1, 2, 44100, 16, 22050}},
      {"mono8.wav", {1, 1, 8000, 8, 2000}},
      {"stereo24.wav", {1, 2, 48000, 24, 4800}},
      {"mono32.wav", {1, 1, 11025, 32, 11025}},
      {"float.wav", {3, 2, 44100, 32, 441}},
      {"extensible.wav", {0xFFFE, 2, 32000, 16, 16000}},
  };
  for (const auto& c : cases) {
    WriteFile(dir / c.name, MakeWav(c.spec));
    for (int flags : {0, 1}) {
      TSound* sound = LoadSoundFile(dir / c.name, flags);
      ASSERT_NE(sound, nullptr) << c.name;
      EXPECT_DOUBLE_EQ(SoundLengthSeconds(sound), static_cast<double>(c.spec.frames) / c.spec.rate)
          << c.name;
      EXPECT_EQ(SoundLoops(sound), flags == 1) << c.name;
      EXPECT_EQ(sound->channels, c.spec.channels);
      FreeSound(sound);
    }
  }
  // The same samples come out of every integer width (within the precision of 8 bits).
  WavSpec spec16{1, 1, 8000, 16, 500}, spec8{1, 1, 8000, 8, 500}, spec24{1, 1, 8000, 24, 500};
  WriteFile(dir / "a16.wav", MakeWav(spec16));
  WriteFile(dir / "a8.wav", MakeWav(spec8));
  WriteFile(dir / "a24.wav", MakeWav(spec24));
  TSound* s16 = LoadSoundFile(dir / "a16.wav");
  TSound* s8 = LoadSoundFile(dir / "a8.wav");
  TSound* s24 = LoadSoundFile(dir / "A24.WAV");  // letter case does not matter
  ASSERT_TRUE(s16 && s8 && s24);
  for (size_t i = 0; i < s16->samples.size(); ++i) {
    EXPECT_EQ(s24->samples[i], s16->samples[i]);
    EXPECT_NEAR(s8->samples[i], s16->samples[i], 256);
  }
  FreeSound(s16);
  FreeSound(s8);
  FreeSound(s24);
}

TEST(CoreSound, LoadsOggVorbisWithItsLengthAndLoopFlag) {
  ScratchDir dir;
  const struct {
    int channels, rate, frames;
  } cases[] = {{1, 44100, 44100}, {2, 22050, 33075}, {2, 48000, 1000}};
  for (const auto& c : cases) {
    const std::string path = dir / ("tone" + std::to_string(c.channels) + ".ogg");
    WriteFile(path, MakeOgg(c.channels, c.rate, c.frames));
    TSound* sound = LoadSoundFile(path, 1);
    ASSERT_NE(sound, nullptr) << path;
    EXPECT_EQ(sound->frames, static_cast<size_t>(c.frames));
    EXPECT_NEAR(SoundLengthSeconds(sound), static_cast<double>(c.frames) / c.rate, 1e-9);
    EXPECT_TRUE(SoundLoops(sound));
    EXPECT_EQ(sound->channels, c.channels);
    // It is the tone we encoded, not silence.
    int16_t peak = 0;
    for (int16_t v : sound->samples)
      peak = std::max<int16_t>(peak, static_cast<int16_t>(std::abs(v)));
    EXPECT_GT(peak, 8000);
    EXPECT_LT(peak, 18000);
    FreeSound(sound);
  }
}

// Half a second of sound at 22050 Hz.
TSound* HalfSecond(const ScratchDir& dir, int flags = 0) {
  WriteFile(dir / "half.wav", MakeWav({1, 1, 22050, 16, 11025}));
  return LoadSoundFile(dir / "half.wav", flags);
}

TEST(CoreSound, ChannelsFollowTheVirtualClockWithoutADevice) {
  MediaScope media;  // null back end: no audio device at all
  ASSERT_FALSE(media_internal::AudioDeviceOpen());
  ScratchDir dir;
  TSound* sound = HalfSecond(dir);
  ASSERT_NE(sound, nullptr);

  TChannel* channel = Cue(sound);
  ASSERT_NE(channel, nullptr);
  EXPECT_TRUE(channel->Playing()) << "cued, paused, not ended";
  AdvanceVirtualClock(2000);
  EXPECT_TRUE(channel->Playing()) << "a paused channel does not run out";
  channel->SetVolume(0.25f);
  EXPECT_FLOAT_EQ(channel->Volume(), 0.25f);
  channel->SetPaused(0);
  AdvanceVirtualClock(499);
  EXPECT_TRUE(channel->Playing());
  AdvanceVirtualClock(1);
  EXPECT_FALSE(channel->Playing());

  // At double rate it lasts half as long; pausing halfway holds the position.
  TChannel* fast = Cue(sound);
  EXPECT_NE(fast, channel);
  fast->SetRate(2);
  fast->SetPaused(0);
  AdvanceVirtualClock(100);
  fast->SetPaused(1);
  AdvanceVirtualClock(5000);
  fast->SetPaused(0);
  AdvanceVirtualClock(149);
  EXPECT_TRUE(fast->Playing());
  AdvanceVirtualClock(1);
  EXPECT_FALSE(fast->Playing());

  // Cueing an existing channel starts it over from the beginning, paused.
  EXPECT_EQ(Cue(sound, channel), channel);
  EXPECT_TRUE(channel->Playing());
  EXPECT_FLOAT_EQ(channel->Volume(), 0.25f) << "the channel keeps its volume";
  channel->SetPaused(0);
  channel->Stop();
  EXPECT_FALSE(channel->Playing());
  channel->SetPaused(0);
  EXPECT_FALSE(channel->Playing()) << "a stopped channel stays stopped";
  FreeSound(sound);
}

TEST(CoreSound, FramesEndSoundsAndLoopsRunUntilStopped) {
  MediaScope media;
  ScratchDir dir;
  TSound* once = HalfSecond(dir);
  TSound* loop = LoadSoundFile(dir / "half.wav", 1);
  ASSERT_TRUE(once && loop);
  TChannel* a = Cue(once);
  TChannel* b = Cue(loop);
  a->SetPaused(0);
  b->SetPaused(0);
  for (int frame = 0; frame < 29; ++frame) PresentFrame(-1);  // 483 ms
  EXPECT_TRUE(a->Playing());
  for (int frame = 0; frame < 2; ++frame) PresentFrame(-1);  // 516 ms
  EXPECT_FALSE(a->Playing());
  for (int frame = 0; frame < 600; ++frame) PresentFrame(-1);
  EXPECT_TRUE(b->Playing());
  // Freeing a sound stops what plays it; the channel object stays usable.
  FreeSound(loop);
  EXPECT_FALSE(b->Playing());
  EXPECT_EQ(Cue(once, b), b);
  EXPECT_TRUE(b->Playing());
  FreeSound(once);
  EXPECT_FALSE(b->Playing());
  EXPECT_EQ(Cue(nullptr), nullptr);
}

TEST(CoreSound, AnUnopenableDeviceMeansSilenceNotFailure) {
  const char* old = std::getenv("SDL_AUDIODRIVER");
  const std::string saved = old ? old : "";
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  testing::internal::CaptureStdout();
  media_internal::AudioInit(false);
  const std::string printed = testing::internal::GetCapturedStdout();
  if (old) {
    setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
  } else {
    unsetenv("SDL_AUDIODRIVER");
  }
  EXPECT_FALSE(media_internal::AudioDeviceOpen());
  EXPECT_NE(printed.find("silently"), std::string::npos) << printed;
  media_internal::ClockReset(true);
  ScratchDir dir;
  TSound* sound = HalfSecond(dir);
  TChannel* channel = Cue(sound);
  channel->SetPaused(0);
  AdvanceVirtualClock(250);
  EXPECT_TRUE(channel->Playing());
  AdvanceVirtualClock(250);
  EXPECT_FALSE(channel->Playing());
  FreeSound(sound);
  media_internal::AudioShutdown();
  media_internal::ClockReset(false);
}

int Ramp(int i) {
  return i * 10;
}

TEST(CoreSound, MixerResamplesScalesAndPauses) {
  // SDL's dummy driver gives a real device whose callback we hold, so we can mix by hand.
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  media_internal::AudioInit(false);
  if (!media_internal::AudioDeviceOpen()) {
    media_internal::AudioShutdown();
    GTEST_SKIP() << "SDL's dummy audio driver is not available";
  }
  media_internal::AudioHoldDevice(true);
  ScratchDir dir;
  WriteFile(dir / "ramp.wav", MakeWav({1, 1, 44100, 16, 1000}, Ramp));
  TSound* ramp = LoadSoundFile(dir / "ramp.wav");
  ASSERT_NE(ramp, nullptr);
  std::vector<float> out(2 * 64);

  TChannel* channel = Cue(ramp);
  media_internal::AudioMixInto(out.data(), 64);
  for (float v : out) EXPECT_EQ(v, 0.0f) << "cued channels are silent until unpaused";

  channel->SetVolume(0.5f);
  channel->SetPaused(0);
  media_internal::AudioMixInto(out.data(), 64);
  for (int i = 0; i < 64; ++i) {
    EXPECT_FLOAT_EQ(out[static_cast<size_t>(i) * 2], i * 10 * 0.5f / 32768.0f) << i;
    EXPECT_FLOAT_EQ(out[static_cast<size_t>(i) * 2 + 1], out[static_cast<size_t>(i) * 2]);
  }
  channel->SetRate(2);  // twice the speed: every second source frame
  media_internal::AudioMixInto(out.data(), 64);
  for (int i = 0; i < 64; ++i) {
    EXPECT_FLOAT_EQ(out[static_cast<size_t>(i) * 2], (64 + 2 * i) * 10 * 0.5f / 32768.0f) << i;
  }
  channel->SetRate(0.5f);  // half speed: interpolated halfway points
  media_internal::AudioMixInto(out.data(), 4);
  EXPECT_FLOAT_EQ(out[0], 192 * 10 * 0.5f / 32768.0f);
  EXPECT_FLOAT_EQ(out[2], 192.5f * 10 * 0.5f / 32768.0f);
  channel->SetPaused(1);
  media_internal::AudioMixInto(out.data(), 64);
  for (float v : out) EXPECT_EQ(v, 0.0f);

  // Two channels add up; the sum is clipped to full scale.
  TChannel* other = Cue(ramp);
  channel->SetRate(1);
  channel->SetVolume(1);
  other->SetPaused(0);
  channel->Stop();
  TChannel* third = Cue(ramp);
  third->SetPaused(0);
  media_internal::AudioMixInto(out.data(), 8);
  EXPECT_FLOAT_EQ(out[6], 2 * 30 / 32768.0f);
  // A non-looping sound runs out inside a buffer and leaves silence behind it.
  std::vector<float> tail(2 * 2000);
  media_internal::AudioMixInto(tail.data(), 2000);
  EXPECT_NE(tail[2 * 900], 0.0f);
  EXPECT_EQ(tail[2 * 1500], 0.0f);
  FreeSound(ramp);
  media_internal::AudioShutdown();
}

TEST(CoreSound, DamagedAndHostileFilesGiveNullWithADiagnostic) {
  ScratchDir dir;
  const std::string wav = MakeWav({1, 2, 22050, 16, 2000});
  const std::string ogg = MakeOgg(1, 22050, 22050);
  const auto withLe32 = [](std::string s, size_t at, uint32_t v) {
    std::string le;
    Put32(le, v);
    s.replace(at, 4, le);
    return s;
  };
  const auto withLe16 = [](std::string s, size_t at, int v) {
    std::string le;
    Put16(le, v);
    s.replace(at, 2, le);
    return s;
  };
  // Offsets in MakeWav's layout: LIST chunk at 12 (12 bytes), fmt chunk at 24, data at 48.
  const size_t fmt = 32, data = 48;
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"empty.wav", ""},
      {"riff-only.wav", std::string("RIFF\x04\0\0\0WAVE", 12)},
      {"text.wav", "just some text, not a sound at all"},
      {"truncated.wav", wav.substr(0, wav.size() / 2)},
      {"huge-data.wav", withLe32(wav, data + 4, 0xFFFFFFF0u)},
      {"huge-fmt.wav", withLe32(wav, 24 + 4, 0x7FFFFFFFu)},
      {"short-fmt.wav", withLe32(wav, 24 + 4, 8)},
      {"no-channels.wav", withLe16(wav, fmt + 2, 0)},
      {"many-channels.wav", withLe16(wav, fmt + 2, 9)},
      {"zero-rate.wav", withLe32(wav, fmt + 4, 0)},
      {"giant-rate.wav", withLe32(wav, fmt + 4, 4000000000u)},
      {"odd-bits.wav", withLe16(wav, fmt + 14, 12)},
      {"bad-align.wav", withLe16(wav, fmt + 12, 7)},
      {"compressed.wav", withLe16(wav, fmt, 2)},
      {"no-fmt.wav", wav.substr(0, 24) + "data" + wav.substr(data + 4)},
      {"ogg-header-only.ogg", ogg.substr(0, 60)},
      {"ogg-garbage.ogg", "OggS" + std::string(5000, '\x5A')},
      {"ogg-mangled-headers.ogg", ogg.substr(0, 28) + std::string(200, '\0') + ogg.substr(228)},
  };
  for (const auto& c : cases) {
    WriteFile(dir / c.name, c.bytes);
    testing::internal::CaptureStdout();
    TSound* sound = LoadSoundFile(dir / c.name);
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(sound, nullptr) << c.name;
    EXPECT_NE(printed.find(c.name), std::string::npos) << c.name << ": " << printed;
    FreeSound(sound);
  }
  testing::internal::CaptureStdout();
  EXPECT_EQ(LoadSoundFile(dir / "missing.ogg"), nullptr);
  EXPECT_NE(testing::internal::GetCapturedStdout().find("missing.ogg"), std::string::npos);

  // Damage in the middle of an Ogg stream: decoding may skip it or refuse, but must stay bounded.
  for (size_t at : {ogg.size() / 3, ogg.size() / 2, ogg.size() - 50}) {
    std::string damaged = ogg;
    for (size_t i = at; i < at + 40 && i < damaged.size(); ++i)
      damaged[i] = static_cast<char>(i * 7);
    std::string error;
    TSound* sound = media_internal::DecodeSoundBytes(damaged, 0, error);
    if (sound) {
      EXPECT_LE(sound->frames, size_t{22050} + 4096);
    }
    FreeSound(sound);
  }
}

}  // namespace
