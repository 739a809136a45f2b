// The settings file: the defaults written byte for byte, damaged files, the mode switches.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "media/media.h"
#include "screens/options.h"

using testing_support::ReadFile;
using testing_support::WriteFile;

namespace {
const char kDefaultSettings[] =
    "settings {\n\tfullscreen = 1\n\tsoundVolume = 5\n\tmusicVolume = 5\n\tcustomCursor = 1\n}\n\n";
}

class AppSettings : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    MakeFolderTree(UserDir + "/Data");
    InvalidatePathCache();
  }
  std::string settingsFile() { return UserDir + "/Data/settings.txt"; }
};

TEST_F(AppSettings, MissingFileIsWrittenWithTheDefaultsFirst) {
  Options->LoadSettings();
  EXPECT_EQ(ReadFile(settingsFile()), kDefaultSettings);
  EXPECT_EQ(Options->fullscreen, 1);
  EXPECT_EQ(Options->soundVol, 5);
  EXPECT_EQ(Options->musicVol, 5);
  EXPECT_EQ(Options->customCursor, 1);
}

TEST_F(AppSettings, SavedValuesComeBack) {
  Options->fullscreen = 0;
  Options->soundVol = 3;
  Options->musicVol = 10;
  Options->customCursor = 0;
  Options->SaveSettings();
  EXPECT_EQ(ReadFile(settingsFile()),
            "settings {\n\tfullscreen = 0\n\tsoundVolume = 3\n\tmusicVolume = 10\n"
            "\tcustomCursor = 0\n}\n\n");
  CreateScreens();
  Options->LoadSettings();
  EXPECT_EQ(Options->fullscreen, 0);
  EXPECT_EQ(Options->soundVol, 3);
  EXPECT_EQ(Options->musicVol, 10);
  EXPECT_EQ(Options->customCursor, 0);
}

TEST_F(AppSettings, DamagedFilesGiveDefaultsAndClampedValues) {
  struct Case {
    const char* text;
    int fullscreen, sound, music, cursor;
  } cases[] = {
      // out of range: clamped; non-zero switches become 1
      {"settings {\n\tfullscreen = 7\n\tsoundVolume = 15\n\tmusicVolume = -3\n\tcustomCursor = "
       "-2\n}\n",
       1, 10, 0, 1},
      // fractions truncate
      {"settings {\n\tfullscreen = 0.9\n\tsoundVolume = 7.9\n\tmusicVolume = 2.2\n}\n", 0, 7, 2, 1},
      // unbalanced braces: the file reads as empty, the defaults stay
      {"settings {\n\tfullscreen = 0\n\tsoundVolume = 1\n", 1, 5, 5, 1},
      // a cut file keeps the defaults of what is missing
      {"settings {\n\tfullscreen = 0\n", 0, 5, 5, 1},
      // absurd numbers and text
      {"settings {\n\tfullscreen = nan\n\tsoundVolume = 1e30\n\tmusicVolume = \"loud\"\n}\n", 0, 0,
       0, 1},
      {"", 1, 5, 5, 1},
      {"\x01\x02garbage{{}", 1, 5, 5, 1},
  };
  for (const Case& c : cases) {
    WriteFile(settingsFile(), c.text);
    CreateScreens();
    testing::internal::CaptureStdout();
    Options->LoadSettings();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(Options->fullscreen, c.fullscreen) << c.text;
    EXPECT_EQ(Options->soundVol, c.sound) << c.text;
    EXPECT_EQ(Options->musicVol, c.music) << c.text;
    EXPECT_EQ(Options->customCursor, c.cursor) << c.text;
  }
}

TEST_F(AppSettings, UnwritableFolderKeepsTheCurrentValues) {
  UserDir = scratch_ / "nowhere/at/all";
  WriteFile(scratch_ / "nowhere", "a file, so no folder can be made below it");
  Options->soundVol = 8;
  testing::internal::CaptureStdout();
  Options->LoadSettings();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(Options->soundVol, 8);
  EXPECT_EQ(PathKind(settingsFile()), 0);
}

TEST_F(AppSettings, SwitchScreenTogglesAndSaves) {
  ForcedFullscreen = -1;
  Options->fullscreen = 1;
  Options->SwitchScreen();
  EXPECT_EQ(Options->fullscreen, 0);
  EXPECT_EQ(Options->SCREEN_WIDTH, 1024);
  EXPECT_EQ(Options->SCREEN_HEIGHT, 768);
  EXPECT_NE(ReadFile(settingsFile()).find("fullscreen = 0"), std::string::npos);
  Options->SwitchScreen();
  EXPECT_EQ(Options->fullscreen, 1);
  EXPECT_NE(ReadFile(settingsFile()).find("fullscreen = 1"), std::string::npos);
  // goFullscreen / goWindowed change the mode without saving.
  Options->goWindowed();
  EXPECT_EQ(Options->fullscreen, 0);
  EXPECT_NE(ReadFile(settingsFile()).find("fullscreen = 1"), std::string::npos);
}

TEST_F(AppSettings, AltEnterTogglesWithEitherAlt) {
  ForcedFullscreen = -1;
  Options->fullscreen = 0;
  for (int alt : {kKeyLAlt, kKeyRAlt}) {
    int before = Options->fullscreen;
    InjectKey(alt, true);
    InjectKey(kKeyEnter, true);
    InjectKey(kKeyEnter, false);
    UpdateCommon();
    InjectKey(alt, false);
    UpdateCommon();
    EXPECT_EQ(Options->fullscreen, 1 - before) << alt;
  }
  // Enter alone is left for the screens.
  InjectKey(kKeyEnter, true);
  InjectKey(kKeyEnter, false);
  UpdateCommon();
  EXPECT_EQ(Options->fullscreen, 0);
  EXPECT_EQ(TakeKeyHits(kKeyEnter), 1);
}

TEST_F(AppSettings, VolumeStepsStayInRange) {
  Options->soundVol = 10;
  Options->SoundVolUp();
  EXPECT_EQ(Options->soundVol, 10);
  Options->musicVol = 0;
  Options->MusicVolDown();
  EXPECT_EQ(Options->musicVol, 0);
  Options->MusicVolUp();
  EXPECT_EQ(Options->CountMusicVol(), 0.1f);
  Options->SwitchCursor();
  EXPECT_EQ(Options->customCursor, 0);
}
