// The player's saved game: ids, the files written, quest steps, damaged files and crash safety.
#include "screens/profile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "app/globals.h"
#include "match3/level.h"
#include "screens/profile_list.h"
#include "test_support.h"
#include "textdata/rcm_file.h"

using testing_support::MediaScope;
using testing_support::ReadFile;
using testing_support::ScratchDir;
using testing_support::WriteFile;

namespace {

// A user-data folder in a scratch folder, and a clean current profile, for each test.
class ProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedUserDir_ = UserDir;
    UserDir = dir_.path() + "/user";
    MakeFolderTree(UserDir + "/Profiles");
    MakeFolderTree(UserDir + "/Data");
    Profile = nullptr;
  }
  void TearDown() override {
    UserDir = savedUserDir_;
    Profile = nullptr;
  }
  std::string profilesDir() const { return UserDir + "/Profiles"; }

  MediaScope media_;
  ScratchDir dir_;
  std::string savedUserDir_;
};

TProfilePtr Sample(const std::string& name) {
  auto p = std::make_shared<TProfile>();
  p->name = name;
  p->questStageId = 1;
  p->questLevelId = 3;
  p->cash = 250;
  p->actScreen = 4;
  p->highestLevel = 5;
  p->musicN = 2;
  p->unlockedPowerUp = {1, 0, 1, 0};
  return p;
}

}  // namespace

TEST(ProfileId, IsTheUpperCasedNamesUtf16UnitsInDecimal) {
  struct Case {
    std::string name, id;
  } cases[] = {
      {"Ann", "65-78-78-"},
      {"ann", "65-78-78-"},
      {"ANN", "65-78-78-"},
      {"", ""},
      {"\xC5\xBB"
       "aneta",
       "379-65-78-69-84-65-"},                   // Żaneta
      {"\xC3\xA9va", "201-86-65-"},              // éva
      {"A\xF0\x9F\x98\x80", "65-55357-56832-"},  // beyond the BMP: a surrogate pair
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MakeProfileIdFromName(c.name), c.id) << c.name;
    if (!c.id.empty()) {
      std::string back;
      ASSERT_TRUE(NameFromProfileId(c.id, back));
      EXPECT_EQ(MakeProfileIdFromName(back), c.id);
    }
  }
}

TEST(ProfileId, OnlyWellFormedIdsAreAccepted) {
  for (std::string bad : {"", "../../x", "65-78", "65--", "-", "abc-", "70000-", "65-/../"})
    EXPECT_FALSE(IsProfileId(bad)) << bad;
  EXPECT_TRUE(IsProfileId("65-78-78-"));
}

TEST_F(ProfileTest, SavesTheDataFileByteForByte) {
  auto p = Sample("Ann");
  ASSERT_EQ(p->save(), 1);
  const std::string expected =
      "profile {\n"
      "\n"
      "\tdata {\n"
      "\t\tname = \"Ann\"\n"
      "\t\tlevel = 3\n"
      "\t\tstage = 1\n"
      "\t\tcash = 250\n"
      "\t\tactScreen = 4\n"
      "\t\thighestLevel = 5\n"
      "\t\tmusicN = 2\n"
      "\t\tpowerUp0 = 1\n"
      "\t\tpowerUp1 = 0\n"
      "\t\tpowerUp2 = 1\n"
      "\t\tpowerUp3 = 0\n"
      "\t}\n"
      "\n"
      "\tartifacts {\n"
      "\t\ti = 0\n"
      "\t}\n"
      "\n"
      "}\n"
      "\n";
  EXPECT_EQ(ReadFile(profilesDir() + "/65-78-78-/profile.dat"), expected);
  // No level: no level file.
  EXPECT_EQ(PathKind(profilesDir() + "/65-78-78-/level.txt"), 0);
}

TEST_F(ProfileTest, ListFileNamesEveryProfileAndTheCurrentOne) {
  std::vector<TProfilePtr> profiles = {Sample("Ann"), Sample("Bob"), Sample("Cy")};
  Profile = profiles[1].get();
  EXPECT_EQ(SaveProfileList(profiles, 0), 0) << "nothing is written before the list was read";
  EXPECT_EQ(PathKind(profilesDir() + "/profiles.dat"), 0);
  ASSERT_EQ(SaveProfileList(profiles, 1), 1);
  EXPECT_EQ(ReadFile(profilesDir() + "/profiles.dat"),
            "profiles {\n"
            "\tprofile1 = \"65-78-78-\"\n"
            "\tprofile2 = \"66-79-66-\"\n"
            "\tprofile3 = \"67-89-\"\n"
            "\tactProfile = 2\n"
            "\ti = 3\n"
            "}\n"
            "\n");

  Profile = nullptr;
  std::vector<TProfilePtr> loaded;
  int loadedOnce = 0;
  LoadProfileList(loaded, loadedOnce);
  EXPECT_EQ(loadedOnce, 1);
  ASSERT_EQ(loaded.size(), 3u);
  ASSERT_EQ(Profile, loaded[1].get());
  EXPECT_EQ(Profile->name, "Bob");
  EXPECT_EQ(Profile->cash, 250);
  EXPECT_EQ(Profile->unlockedPowerUp, (std::array<int, 4>{1, 0, 1, 0}));
}

TEST_F(ProfileTest, NamesBeyondLatin1RoundTripAndFindTheirFolders) {
  std::vector<TProfilePtr> profiles = {Sample("\xC5\xBB"
                                              "aneta"),
                                       Sample("Mo\xF0\x9F\x98\x80")};
  Profile = profiles[0].get();
  ASSERT_EQ(SaveProfileList(profiles, 1), 1);
  EXPECT_EQ(PathKind(profilesDir() + "/379-65-78-69-84-65-/profile.dat"), 1);
  std::vector<TProfilePtr> loaded;
  int once = 0;
  LoadProfileList(loaded, once);
  ASSERT_EQ(loaded.size(), 2u);
  EXPECT_EQ(loaded[0]->name,
            "\xC5\xBB"
            "aneta");
  EXPECT_EQ(loaded[1]->name, "Mo\xF0\x9F\x98\x80");
  EXPECT_EQ(loaded[1]->GetMyId(), profiles[1]->GetMyId());
}

TEST_F(ProfileTest, QuestStepsMoveTheLevelAndKeepWhatTheyMust) {
  struct Case {
    int level, highest, nextLevel, nextHighest;
  } cases[] = {{37, 40, 38, 40}, {40, 40, 41, 41}, {1, 1, 2, 2}};
  for (const auto& c : cases) {
    TProfile p;
    p.questLevelId = c.level;
    p.highestLevel = c.highest;
    EXPECT_EQ(p.QUEST_NextLevel(), 4);
    EXPECT_EQ(p.questLevelId, c.nextLevel);
    EXPECT_EQ(p.highestLevel, c.nextHighest);
    EXPECT_NE(p.questLevel, nullptr) << "a level object, empty when the file is missing";
  }

  auto p = Sample("Ann");
  p->mx = 12;
  p->my = -7;
  p->artifacts.push_back(std::make_shared<TArtifact>());
  EXPECT_EQ(p->QUEST_StartNew(), 3);
  EXPECT_EQ(p->name, "Ann");
  EXPECT_EQ(p->mx, 12);
  EXPECT_EQ(p->my, -7);
  EXPECT_EQ(p->questLevelId, 1);
  EXPECT_EQ(p->highestLevel, 1);
  EXPECT_EQ(p->questStageId, 1);
  EXPECT_EQ(p->cash, 0);
  EXPECT_EQ(p->musicN, 0);
  EXPECT_EQ(p->actScreen, 0);
  EXPECT_EQ(p->unlockedPowerUp, (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_TRUE(p->artifacts.empty());
}

TEST_F(ProfileTest, ValuesReadBackAreKeptInsideWhatTheGameCanPlay) {
  struct Case {
    std::string data;
    int level, highest, act, music, power0;
  } cases[] = {
      {"level = 7\n\t\thighestLevel = 5\n\t\tactScreen = 4\n", 7, 7, 4, 0, 0},
      {"level = 1000\n\t\thighestLevel = -4\n\t\tactScreen = 104\n", 100, 100, 4, 0, 0},
      {"level = 0\n\t\tactScreen = 3\n\t\tmusicN = 9\n\t\tpowerUp0 = 5\n", 0, 0, 0, 0, 1},
      {"level = 3\n\t\tactScreen = 6\n\t\tmusicN = 3\n\t\tpowerUp0 = -1\n", 3, 3, 6, 3, 1},
  };
  for (const auto& c : cases) {
    WriteFile(profilesDir() + "/65-/profile.dat",
              "profile {\n\tdata {\n\t\tname = \"A\"\n\t\t" + c.data + "\t}\n}\n");
    auto p = LoadProfile("65-");
    EXPECT_EQ(p->questLevelId, c.level) << c.data;
    EXPECT_EQ(p->highestLevel, c.highest) << c.data;
    EXPECT_EQ(p->actScreen, c.act) << c.data;
    EXPECT_EQ(p->musicN, c.music) << c.data;
    EXPECT_EQ(p->unlockedPowerUp[0], c.power0) << c.data;
  }
}

TEST_F(ProfileTest, DamagedFilesLoadSafely) {
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"truncated", "profile {\n\tdata {\n\t\tname = \"Ann\"\n\t\tcash = 9"},
      {"garbage", std::string("\x00\xff{{{\"}}=\n=,,\"", 14)},
      {"huge artifact count", "profile {\n\tartifacts {\n\t\ti = 2000000000\n\t}\n}\n"},
      {"huge numbers", "profile {\n\tdata {\n\t\tcash = 1e300\n\t\tlevel = -1e300\n\t}\n}\n"},
  };
  for (const auto& c : cases) {
    WriteFile(profilesDir() + "/65-78-78-/profile.dat", c.bytes);
    auto p = LoadProfile("65-78-78-");
    // The name comes back from the id when the data file cannot give it.
    EXPECT_EQ(p->name, "ANN") << c.what;
    EXPECT_GE(p->questLevelId, 0) << c.what;
    EXPECT_LE(p->questLevelId, 100) << c.what;
    EXPECT_TRUE(p->artifacts.empty()) << c.what;
  }

  // A list whose entries try to leave the profiles folder, or claim more than they hold.
  WriteFile(profilesDir() + "/profiles.dat",
            "profiles {\n\tprofile1 = \"../../etc\"\n\tprofile2 = \"\"\n"
            "\tprofile3 = \"65-78-78-\"\n\tactProfile = 3\n\ti = 999999999\n}\n");
  std::vector<TProfilePtr> loaded;
  int once = 0;
  LoadProfileList(loaded, once);
  ASSERT_EQ(loaded.size(), 1u);
  EXPECT_EQ(Profile, loaded[0].get());
}

TEST_F(ProfileTest, ADamagedFileFallsBackToTheLastGoodVersion) {
  auto p = Sample("Ann");
  ASSERT_EQ(p->save(), 1);
  p->cash = 999;
  ASSERT_EQ(p->save(), 1);  // the first version is now the last good one
  const std::string path = profilesDir() + "/65-78-78-/profile.dat";
  WriteFile(path, "profile {\n\tdata {\n\t\tname = \"Ann\"\n");  // cut off mid-write elsewhere
  auto back = LoadProfile("65-78-78-");
  EXPECT_EQ(back->cash, 250);
  EXPECT_EQ(back->name, "Ann");
  // Saving now must not replace the good backup with the damaged file.
  back->cash = 300;
  ASSERT_EQ(back->save(), 1);
  EXPECT_EQ(LoadProfile("65-78-78-")->cash, 300);
  EXPECT_NE(ReadFile(path + ".bak").find("cash = 250"), std::string::npos);
}

TEST_F(ProfileTest, KillingTheProcessDuringSavesLeavesEveryProfileLoadable) {
  std::vector<TProfilePtr> profiles = {Sample("Ann"), Sample("Bob")};
  Profile = profiles[0].get();
  ASSERT_EQ(SaveProfileList(profiles, 1), 1);
  for (int round = 0; round < 6; ++round) {
    Profile = profiles[0].get();  // the child saves with this one current
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Alternate between two states as fast as possible until killed.
      for (int i = 0;; ++i) {
        for (auto& p : profiles) p->cash = (i % 2) ? 1111 : 2222;
        SaveProfileList(profiles, 1);
      }
    }
    usleep(static_cast<useconds_t>(3000 + round * 1700));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);

    std::vector<TProfilePtr> loaded;
    int once = 0;
    Profile = nullptr;
    LoadProfileList(loaded, once);
    ASSERT_EQ(loaded.size(), 2u) << "round " << round;
    for (auto& p : loaded) {
      EXPECT_TRUE(p->cash == 250 || p->cash == 1111 || p->cash == 2222) << p->cash;
      EXPECT_TRUE(p->name == "Ann" || p->name == "Bob") << p->name;
    }
    EXPECT_EQ(Profile, loaded[0].get());
  }
}

TEST_F(ProfileTest, ALevelInProgressIsResumedWithItsBoard) {
  const std::string level =
      "level {\n\tdata {\n\t\tsize = 3, 3\n\t\tavailableChips = \"1 2 3\"\n"
      "\t\ttoCollect = \"0 4 0\"\n\t\ttime = 0, 2, 5\n\t}\n"
      "\ttile {\n\t\trow0 = 1, 1, 1\n\t\trow1 = 1, 2, 1\n\t\trow2 = 1, 1, 1\n\t}\n"
      "\tchips {\n\t\trow0 = 1, 2, 3\n\t\trow1 = 2, 3, 1\n\t\trow2 = 3, 1, 2\n\t}\n}\n";
  WriteFile(dir_.path() + "/in.txt", level);
  auto p = Sample("Ann");
  p->questLevel = LoadLevel(dir_.path() + "/in.txt");
  ASSERT_TRUE(p->questLevel);
  ASSERT_EQ(p->save(), 1);
  auto saved = ReadFile(profilesDir() + "/65-78-78-/level.txt");
  EXPECT_FALSE(saved.empty());

  auto back = LoadProfile("65-78-78-");
  ASSERT_TRUE(back->questLevel);
  EXPECT_EQ(back->questLevel->rows, p->questLevel->rows);
  EXPECT_EQ(back->questLevel->cols, p->questLevel->cols);
  // Saving the resumed level again gives the same file: nothing was lost on the way.
  ASSERT_EQ(back->save(), 1);
  EXPECT_EQ(ReadFile(profilesDir() + "/65-78-78-/level.txt"), saved);
}
