// What the rest of the game reads from the current profile: the "profile" group of the harness's
// state dump and the level-music counter the sound catalogue rotates.
#include "screens/profile_hooks.h"

#include <gtest/gtest.h>

#include "app/globals.h"
#include "app/state_dump.h"
#include "audio/global_snd.h"
#include "audio/sound_hooks.h"
#include "screens/profile.h"
#include "screens/profile_manager.h"
#include "test_support.h"
#include "textdata/rcm_file.h"

namespace {

class ProfileHooks : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(media_.ok());
    savedProfile_ = Profile;
    savedManager_ = ProfileManager;
    savedNoSound_ = NoSound;
    Profile = nullptr;
    ProfileManager = nullptr;
    RegisterProfileHooks();
  }
  void TearDown() override {
    Profile = savedProfile_;
    ProfileManager = savedManager_;
    NoSound = savedNoSound_;
    SetMusicCounterSource(nullptr);
  }
  std::shared_ptr<TRCMFile> Dump() {
    auto file = CreateRCM();
    FillStateDump(*file);
    return file;
  }

  testing_support::MediaScope media_;
  TProfile* savedProfile_ = nullptr;
  TProfileManager* savedManager_ = nullptr;
  int savedNoSound_ = 0;
};

TEST_F(ProfileHooks, StateDumpHoldsTheCurrentProfile) {
  TProfile ann;
  ann.name = "Ann";
  ann.questStageId = 2;
  ann.questLevelId = 14;
  ann.highestLevel = 17;
  ann.cash = 12345;
  ann.actScreen = 4;
  ann.musicN = 3;
  ann.unlockedPowerUp = {1, 0, 1, 1};
  for (int id : {4, 1, 9}) {
    auto a = std::make_shared<TArtifact>();
    a->id = id;
    ann.artifacts.push_back(a);
  }
  TProfileManager manager;
  manager.profiles = {std::make_shared<TProfile>(), std::make_shared<TProfile>()};
  Profile = &ann;
  ProfileManager = &manager;

  auto dump = Dump();
  EXPECT_EQ(dump->getString("profile::name", 0), "Ann");
  EXPECT_EQ(dump->getString("profile::id", 0), "65-78-78-");
  const struct {
    const char* key;
    float value;
  } kNumbers[] = {{"questLevelId", 14}, {"questStageId", 2}, {"highestLevel", 17}, {"cash", 12345},
                  {"actScreen", 4},     {"musicN", 3},       {"artifactCount", 3}, {"profiles", 2}};
  for (const auto& n : kNumbers)
    EXPECT_EQ(dump->getFloat(std::string("profile::") + n.key, 0), n.value) << n.key;
  const float powerUps[] = {1, 0, 1, 1};
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(dump->getFloat("profile::unlockedPowerUp", i), powerUps[i]) << i;
  EXPECT_EQ(dump->getString("profile::artifacts", 0), "4 1 9");
  // The frame's own fields are still there beside it.
  EXPECT_NE(dump->findEntry("state::where"), nullptr);
}

TEST_F(ProfileHooks, StateDumpWithoutAProfileIsEmptyAndZero) {
  auto dump = Dump();
  EXPECT_EQ(dump->getString("profile::name", 0), "");
  EXPECT_EQ(dump->getString("profile::id", 0), "");
  EXPECT_EQ(dump->getString("profile::artifacts", 0), "");
  for (const char* key : {"questLevelId", "questStageId", "highestLevel", "cash", "actScreen",
                          "musicN", "artifactCount", "profiles"}) {
    ASSERT_NE(dump->findEntry(std::string("profile::") + key), nullptr) << key;
    EXPECT_EQ(dump->getFloat(std::string("profile::") + key, 0), 0.0f) << key;
  }
  for (int i = 0; i < 4; ++i) EXPECT_EQ(dump->getFloat("profile::unlockedPowerUp", i), 0.0f);
}

TEST_F(ProfileHooks, LevelMusicRotatesTheCurrentProfilesCounter) {
  NoSound = 1;  // the counter moves whether or not the track can be heard
  TGlobalSnd snd;
  TProfile first;
  TProfile second;
  second.musicN = 2;  // as loaded from a profile saved after two levels
  EXPECT_EQ(CurrentMusicCounter(), nullptr);
  snd.playLevelMusic();  // no profile: nothing to count, nothing breaks

  Profile = &first;
  EXPECT_EQ(CurrentMusicCounter(), &first.musicN);
  for (int expected : {1, 2, 3, 1}) {
    snd.playLevelMusic();
    EXPECT_EQ(first.musicN, expected);
  }
  // Another player's profile carries on from its own saved counter.
  Profile = &second;
  snd.playLevelMusic();
  EXPECT_EQ(second.musicN, 3);
  snd.playLevelMusic();
  EXPECT_EQ(second.musicN, 1);
  EXPECT_EQ(first.musicN, 1);
}

}  // namespace
