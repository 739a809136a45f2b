// Decodes every sound the built catalogue names and checks what a player would hear: lengths,
// levels, no clipping, quiet ends on effects and click-free joins on looping music.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "audio/ogg_decode.h"
#include "test_support.h"

namespace {

using audio_testing::DecodedSound;
using audio_testing::DecodeOgg;
using audio_testing::MaxStepOf;
using audio_testing::PeakOf;
using audio_testing::RmsOf;
using audio_testing::ToDb;

std::string GameDir() {
  return testing_support::BuildDir() + "/game";
}

// The catalogue's entries flattened to "group::sub::name" -> value (quotes removed). Enough
// of the data format for this one well-formed file; the game's own reader is tested apart.
std::map<std::string, std::string> ReadCatalogue(const std::string& path) {
  std::map<std::string, std::string> entries;
  std::ifstream in(path);
  std::vector<std::string> groups;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string first;
    if (!(words >> first)) continue;
    if (first == "}") {
      if (!groups.empty()) groups.pop_back();
      continue;
    }
    if (line.find('{') != std::string::npos) {
      groups.push_back(first);
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string value = line.substr(eq + 1);
    value.erase(0, value.find_first_not_of(" \t"));
    if (!value.empty() && value.front() == '"') value = value.substr(1, value.rfind('"') - 1);
    std::string key;
    for (const auto& g : groups) key += g + "::";
    entries[key + first] = value;
  }
  return entries;
}

struct CatalogueSound {
  std::string id;
  std::string url;
  int loop = 0;
};

struct Catalogue {
  std::vector<CatalogueSound> musics, sounds;
};

Catalogue LoadCatalogue() {
  const auto e = ReadCatalogue(GameDir() + "/data/globalSnd.txt");
  Catalogue cat;
  auto get = [&](const std::string& key) {
    const auto it = e.find(key);
    return it == e.end() ? std::string() : it->second;
  };
  const int musics = std::atoi(get("globalSnd::musics").c_str());
  for (int n = 1; n <= musics; ++n) {
    const std::string base = "globalSnd::music" + std::to_string(n) + "::";
    cat.musics.push_back(
        {get(base + "id"), get(base + "url"), std::atoi(get(base + "loop").c_str())});
  }
  const int sounds = std::atoi(get("globalSnd::sounds").c_str());
  for (int k = 1; k <= sounds; ++k) {
    const std::string base = "globalSnd::snd" + std::to_string(k) + "::";
    cat.sounds.push_back({get(base + "id"), get(base + "url"), 0});
  }
  return cat;
}

class SoundAssets : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!KELVAROTH_SOUNDS_BUILT) GTEST_SKIP() << "sounds are not built (KELVAROTH_ASSETS=OFF)";
    catalogue_ = LoadCatalogue();
  }
  DecodedSound Decode(const CatalogueSound& s) {
    DecodedSound d;
    std::string error;
    EXPECT_TRUE(DecodeOgg(GameDir() + "/" + s.url, d, error)) << s.id << ": " << error;
    return d;
  }
  Catalogue catalogue_;
};

TEST_F(SoundAssets, CatalogueNamesEveryIdTheGamePlaysWithExistingDistinctFiles) {
  const std::vector<std::pair<std::string, int>> musics = {
      {"title", 1}, {"mapa", 1}, {"level-1", 1}, {"level-2", 1}, {"level-3", 1}, {"win", 0}};
  const std::vector<std::string> effects = {
      "moveUp",  "moveDown",   "button", "move-0", "move-1",     "move-2",       "mark1",
      "mark2",   "match",      "chain",  "skull",  "cash",       "no",           "hint",
      "shuffle", "createBomb", "bomb",   "bomb2",  "powerUpUse", "unlockPowerUp"};
  ASSERT_EQ(catalogue_.musics.size(), musics.size());
  // The loading screen preloads music entry 1 and the main menu plays "title" right after.
  EXPECT_EQ(catalogue_.musics[0].id, "title");
  for (const auto& [id, loop] : musics) {
    const auto it = std::find_if(catalogue_.musics.begin(), catalogue_.musics.end(),
                                 [&](const CatalogueSound& s) { return s.id == id; });
    ASSERT_NE(it, catalogue_.musics.end()) << id;
    EXPECT_EQ(it->loop, loop) << id;
  }
  ASSERT_EQ(catalogue_.sounds.size(), effects.size());
  for (const auto& id : effects) {
    EXPECT_TRUE(std::any_of(catalogue_.sounds.begin(), catalogue_.sounds.end(),
                            [&](const CatalogueSound& s) { return s.id == id; }))
        << id;
  }
  std::set<std::string> urls;
  for (const auto* list : {&catalogue_.musics, &catalogue_.sounds}) {
    for (const auto& s : *list) {
      EXPECT_TRUE(std::filesystem::is_regular_file(GameDir() + "/" + s.url)) << s.url;
      EXPECT_TRUE(urls.insert(s.url).second) << "shared file " << s.url;
    }
  }
}

// Cascades play these many times a second; they must sit well under the others.
const std::set<std::string> kFrequentEffects = {"cash",   "move-0", "move-1",
                                                "move-2", "mark1",  "mark2"};

TEST_F(SoundAssets, EffectsAreShortSoftEndedAndPeakWhereTheyShould) {
  ASSERT_FALSE(catalogue_.sounds.empty());
  for (const auto& s : catalogue_.sounds) {
    SCOPED_TRACE(s.id);
    const DecodedSound d = Decode(s);
    ASSERT_GT(d.Frames(), 0u);
    EXPECT_EQ(d.rate, 44100);
    EXPECT_GE(d.Seconds(), 0.08);
    EXPECT_LT(d.Seconds(), 0.8);
    const double peakDb = ToDb(PeakOf(d));
    EXPECT_LT(peakDb, -1.5) << "too close to clipping";
    if (kFrequentEffects.count(s.id)) {
      EXPECT_GE(peakDb, -16.0);
      EXPECT_LE(peakDb, -6.0);
    } else {
      EXPECT_GE(peakDb, -6.5);
    }
    const size_t ms = static_cast<size_t>(d.rate / 1000);
    for (const auto& c : d.channels) {
      // Starting or stopping on a large sample is heard as a click.
      EXPECT_LT(std::fabs(c.front()), 0.01);
      EXPECT_LT(std::fabs(c.back()), 0.01);
      EXPECT_LT(RmsOf(c, c.size() - 10 * ms, 10 * ms), 0.02) << "the end is not faded";
    }
  }
}

TEST_F(SoundAssets, MusicIsStereoAtTheRightLengthsAndLevels) {
  ASSERT_FALSE(catalogue_.musics.empty());
  for (const auto& s : catalogue_.musics) {
    SCOPED_TRACE(s.id);
    const DecodedSound d = Decode(s);
    ASSERT_EQ(d.channels.size(), 2u);
    EXPECT_EQ(d.rate, 44100);
    if (s.loop) {
      EXPECT_GE(d.Seconds(), 60.0);
      EXPECT_LE(d.Seconds(), 120.0);
    } else {
      EXPECT_GE(d.Seconds(), 2.0);
      EXPECT_LE(d.Seconds(), 15.0);
    }
    const double peakDb = ToDb(PeakOf(d));
    EXPECT_LT(peakDb, -1.5);
    EXPECT_GT(peakDb, -4.5);
    // Not a near-silent file normalised up: a real mix has body.
    const auto& left = d.channels[0];
    EXPECT_GT(ToDb(RmsOf(left, 0, left.size())), -30.0);
  }
}

TEST_F(SoundAssets, LoopingMusicJoinsWithoutAClickAndTheJingleRingsOut) {
  for (const auto& s : catalogue_.musics) {
    SCOPED_TRACE(s.id);
    const DecodedSound d = Decode(s);
    ASSERT_GT(d.Frames(), static_cast<size_t>(d.rate));
    const size_t n = d.Frames();
    const size_t window = static_cast<size_t>(d.rate / 20);  // 50 ms
    const size_t near = static_cast<size_t>(d.rate / 1000);  // 1 ms
    for (const auto& c : d.channels) {
      if (s.loop) {
        // The step across the loop point must look like any other step around it...
        const double join = std::fabs(c.front() - c.back());
        const double around = std::max(MaxStepOf(c, 0, near), MaxStepOf(c, n - near, near));
        EXPECT_LE(join, around + 0.002) << "click at the loop point";
        // ...and neither side may drop out: the loop point is a bar line, where a new note may
        // well come in, but the music must not stop or burst in from silence.
        const double before = RmsOf(c, n - window, window);
        const double after = RmsOf(c, 0, window);
        EXPECT_GT(before, 0.003) << "the loop ends in silence";
        EXPECT_GT(after / before, 1.0 / 8.0);
        EXPECT_LT(after / before, 8.0);
      } else {
        EXPECT_LT(std::fabs(c.front()), 0.01);
        EXPECT_LT(std::fabs(c.back()), 0.005);
        EXPECT_LT(RmsOf(c, n - window, window), 0.003) << "the jingle is cut off";
      }
    }
  }
}

}  // namespace
