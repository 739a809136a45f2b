// The synthesiser's song reader and renderer: errors name their line, renders repeat exactly,
// loops carry their tail round to the start, and the Vorbis writer keeps every sample.
#include <gtest/gtest.h>

#include "audio/ogg_decode.h"
#include "effects.h"
#include "ogg_writer.h"
#include "song.h"
#include "test_support.h"

namespace {

const char* kSmallSong =
    "tempo 120\n"
    "meter 4\n"
    "bars 2\n"
    "loop yes\n"
    "tail 2\n"
    "instrument harp pluck gain=0.5 t60=3\n"
    "instrument pad pad gain=0.2\n"
    "chords C | G/B\n"
    "pad pad from=1 to=2 octave=3\n"
    "# the last note and the pad ring over the loop point\n"
    "melody harp at=0 : r:1 E5:1 G5:1 r:4 C6:1\n";

TEST(SynthSong, BadDescriptionsAreRefusedNamingTheLine) {
  const std::string head = "tempo 100\nbars 2\ninstrument harp pluck\n";
  const struct {
    const char* body;
    const char* expected;
  } cases[] = {
      {"melody lute at=0 : C4:1\n", "line 4: unknown instrument: lute"},
      {"melody harp at=0 : H4:1\n", "line 4: bad note name"},
      {"melody harp at=0 : C:1\n", "line 4: note without octave"},
      {"melody harp at=1 : C4:8\n", "line 4: melody runs past the last bar"},
      {"melody harp at=0 : C4:0\n", "line 4: note length must be positive"},
      {"chords C | Hm\n", "line 4: bad note name"},
      {"chords C | Cm13\n", "line 4: unknown chord"},
      {"arp harp from=0 to=2\n", "line 4: a chord part needs a 'chords' line first"},
      {"chords C\narp harp from=1 to=5\n", "line 5: bad from/to bar range"},
      {"chords C\ndrums harp grid=x.?.\n", "line 5: bad drum grid character"},
      {"tempo fast\n", "line 4: not a number"},
      {"play harp\n", "line 4: unknown statement: play"},
      {"# only a comment\n", "the song has no notes"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    synth::RenderedSong song;
    std::string error;
    EXPECT_FALSE(synth::RenderSongText(head + c.body, song, error));
    EXPECT_NE(error.find(c.expected), std::string::npos) << error;
  }
}

TEST(SynthSong, RendersAreRepeatableAndLoopsCarryTheirTailToTheStart) {
  synth::RenderedSong a, b;
  std::string error;
  ASSERT_TRUE(synth::RenderSongText(kSmallSong, a, error)) << error;
  ASSERT_TRUE(synth::RenderSongText(kSmallSong, b, error)) << error;
  EXPECT_EQ(a.left, b.left);
  EXPECT_EQ(a.right, b.right);
  // Two bars at 120 beats a minute: exactly four seconds, the tail folded in.
  EXPECT_EQ(a.left.size(), 4u * 44100u);
  EXPECT_TRUE(a.loops);

  std::string once = kSmallSong;
  once.replace(once.find("loop yes"), 8, "loop no ");
  synth::RenderedSong c;
  ASSERT_TRUE(synth::RenderSongText(once, c, error)) << error;
  EXPECT_FALSE(c.loops);
  EXPECT_EQ(c.left.size(), 6u * 44100u);  // the tail stays at the end
  // Before the first note a one-shot is silent, while the loop already hears the last note
  // and the room still ringing from the end.
  EXPECT_LT(audio_testing::RmsOf(c.left, 0, 400), 1e-4);
  EXPECT_GT(audio_testing::RmsOf(a.left, 0, 400), 1e-3);
  EXPECT_GT(audio_testing::RmsOf(a.right, 0, 400), 1e-3);
}

TEST(SynthEffects, EveryEffectRendersShortWithItsPeakAndUnknownIdsAreRefused) {
  ASSERT_EQ(synth::EffectList().size(), 20u);
  for (const auto& info : synth::EffectList()) {
    SCOPED_TRACE(info.id);
    synth::Mono samples;
    ASSERT_TRUE(synth::RenderEffect(info.id, samples));
    EXPECT_GT(samples.size(), 0u);
    EXPECT_LT(samples.size(), static_cast<size_t>(0.8 * 44100));
    EXPECT_NEAR(audio_testing::ToDb(synth::Peak(samples)), info.peakDb, 0.6);
    EXPECT_LT(std::fabs(samples.front()), 1e-3);  // faded in from nothing
  }
  synth::Mono none;
  EXPECT_FALSE(synth::RenderEffect("click", none));
}

TEST(SynthOgg, WrittenFilesDecodeToTheSameLengthAndShape) {
  testing_support::ScratchDir dir;
  std::vector<float> left(44100 + 123), right(left.size());
  for (size_t i = 0; i < left.size(); ++i) {
    left[i] = static_cast<float>(0.5 * std::sin(2.0 * 3.14159265358979 * 440.0 * i / 44100.0));
    right[i] = -left[i];
  }
  std::string error;
  const std::string path = dir / "tone.ogg";
  ASSERT_TRUE(synth::WriteOggVorbis(path, {left, right}, 0.5f, error)) << error;
  audio_testing::DecodedSound d;
  ASSERT_TRUE(audio_testing::DecodeOgg(path, d, error)) << error;
  ASSERT_EQ(d.channels.size(), 2u);
  EXPECT_EQ(d.Frames(), left.size());  // loop lengths depend on this
  EXPECT_EQ(d.rate, 44100);
  double worst = 0.0;
  for (size_t i = 1000; i < left.size() - 1000; ++i) {
    worst = std::max(worst, static_cast<double>(std::fabs(d.channels[0][i] - left[i])));
  }
  EXPECT_LT(worst, 0.05);
  // The same samples always give the same bytes, so builds are reproducible.
  const std::string again = dir / "again.ogg";
  ASSERT_TRUE(synth::WriteOggVorbis(again, {left, right}, 0.5f, error)) << error;
  EXPECT_EQ(testing_support::ReadFile(path), testing_support::ReadFile(again));

  EXPECT_FALSE(synth::WriteOggVorbis(dir / "missing/x.ogg", {left}, 0.5f, error));
  EXPECT_FALSE(synth::WriteOggVorbis(dir / "bad.ogg", {left, {0.0f}}, 0.5f, error));
}

}  // namespace
