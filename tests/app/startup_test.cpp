// Start-up: marker files, the window title, the per-user folder and the order of the globals.
#include "game/startup.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/user_dirs.h"
#include "app_fixture.h"
#include "media/media.h"
#include "screens/all_screens.h"

using testing_support::ReadFile;
using testing_support::WriteFile;

namespace {

// Runs the test body inside a folder and comes back afterwards.
class InFolder {
 public:
  explicit InFolder(const std::string& folder) : old_(CurrentFolder()) { ChangeFolder(folder); }
  ~InFolder() { ChangeFolder(old_); }

 private:
  std::string old_;
};

}  // namespace

using AppStartup = AppFixture;

TEST_F(AppStartup, MarkerFlagsAreFileTypesAndAFolderCounts) {
  InFolder in(scratch_.path());
  ReadMarkerFiles();
  EXPECT_EQ(CheatsEnabled, 0);
  EXPECT_EQ(NoSound, 0);
  EXPECT_EQ(NoTutorial, 0);
  WriteFile(scratch_ / "cheats.txt", "");
  std::filesystem::create_directory(scratch_ / "noSound.txt");
  InvalidatePathCache();
  ReadMarkerFiles();
  EXPECT_EQ(CheatsEnabled, 1);
  EXPECT_EQ(NoSound, 2);
  EXPECT_EQ(NoTutorial, 0);
  // Marker names are matched without regard to letter case.
  WriteFile(scratch_ / "NOTUTORIAL.TXT", "x");
  InvalidatePathCache();
  ReadMarkerFiles();
  EXPECT_EQ(NoTutorial, 1);
}

TEST_F(AppStartup, TitleBytesAreTrimmedOfControlsAndBlanks) {
  struct Case {
    std::string bytes, title;
  } cases[] = {
      {"Kelvaroth", "Kelvaroth"},
      {"  \tThe Loom of Dawn\r\n", "The Loom of Dawn"},
      {"\x01\x1f x y \x20\n\n", "x y"},
      {"", ""},
      {" \r\n\t ", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(TrimTitleBytes(c.bytes), c.title) << c.bytes;
}

TEST_F(AppStartup, WindowTitleFromTheLanguageFolder) {
  InFolder in(scratch_.path());
  GameName = "Kelvaroth";
  testing::internal::CaptureStdout();
  EXPECT_EQ(ReadWindowTitle(), "Kelvaroth");  // missing file: the game's name and a diagnostic
  EXPECT_NE(testing::internal::GetCapturedStdout().find("txt/en/name.txt"), std::string::npos);
  // Raw bytes, one character each: a byte-order mark is not decoded but kept as characters.
  WriteFile(scratch_ / "game/txt/en/name.txt", "\xEF\xBB\xBFKelvaroth \xE9\r\n");
  InvalidatePathCache();
  EXPECT_EQ(ReadWindowTitle(), "\xC3\xAF\xC2\xBB\xC2\xBFKelvaroth \xC3\xA9");
  WriteFile(scratch_ / "game/txt/en/name.txt", "   \n");
  testing::internal::CaptureStdout();
  EXPECT_EQ(ReadWindowTitle(), "Kelvaroth");
  testing::internal::GetCapturedStdout();
}

TEST_F(AppStartup, UserDataBaseFollowsTheXdgRules) {
  auto env = [](bool xdgSet, const char* xdg, bool homeSet, const char* home, const char* pw) {
    TUserDirEnvironment e;
    e.xdgDataHomeSet = xdgSet;
    e.xdgDataHome = xdg;
    e.homeSet = homeSet;
    e.home = home;
    std::string passwordHome = pw;
    e.passwordHome = [passwordHome] { return passwordHome; };
    return e;
  };
  struct Case {
    TUserDirEnvironment env;
    std::string base;
  } cases[] = {
      {env(false, "", true, "/home/ann", "/pw"), "/home/ann/.local/share"},
      {env(true, "", true, "/home/ann", "/pw"), "/home/ann/.local/share"},      // empty: ignored
      {env(true, "data", true, "/home/ann", "/pw"), "/home/ann/.local/share"},  // relative
      {env(true, "/xdg/data/", true, "/home/ann", "/pw"), "/xdg/data"},
      {env(false, "", false, "", "/home/pw"), "/home/pw/.local/share"},  // no HOME
      {env(false, "", true, "", "/home/pw"), "/home/pw/.local/share"},   // empty HOME
      {env(false, "", false, "", ""), ""},                               // nothing at all
      {env(false, "", true, "/", ""), "/.local/share"},
  };
  for (const Case& c : cases) EXPECT_EQ(UserDataBase(c.env), c.base);
}

TEST_F(AppStartup, InitUserDirsCreatesTheTreeUnderXdgDataHome) {
  std::string xdg = scratch_ / "xdg/share";  // missing parents are created
  setenv("XDG_DATA_HOME", xdg.c_str(), 1);
  UserDirOverride.clear();
  GameName = "Kelvaroth";
  InitUserDirs();
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(UserDir, xdg + "/marrowquill/Kelvaroth");
  EXPECT_EQ(PathKind(UserDir + "/Data"), 2);
  EXPECT_EQ(PathKind(UserDir + "/Profiles"), 2);
  auto perms = std::filesystem::status(UserDir + "/Data").permissions();
  EXPECT_EQ(perms & std::filesystem::perms::others_write, std::filesystem::perms::none);
  // Later starts find the folders as they are; lower-case references reach them.
  InitUserDirs();
  EXPECT_EQ(PathKind(UserDir + "/data"), 2);
}

TEST_F(AppStartup, UserDirOptionReplacesTheFolder) {
  UserDirOverride = scratch_ / "mine/";
  InitUserDirs();
  UserDirOverride.clear();
  EXPECT_EQ(UserDir, scratch_ / "mine");
  EXPECT_EQ(PathKind(scratch_ / "mine/Data"), 2);
  EXPECT_EQ(PathKind(scratch_ / "mine/Profiles"), 2);
}

TEST_F(AppStartup, UnwritableUserFolderIsReportedAndTheGameGoesOn) {
  WriteFile(scratch_ / "blocked", "a file where the folder should be");
  UserDirOverride = scratch_ / "blocked/inside";
  testing::internal::CaptureStdout();
  InitUserDirs();
  std::string out = testing::internal::GetCapturedStdout();
  UserDirOverride.clear();
  EXPECT_NE(out.find("blocked/inside"), std::string::npos) << out;
  // Saving the settings then fails visibly, and nothing crashes.
  testing::internal::CaptureStdout();
  EXPECT_EQ(Options->SaveSettings(), 0);
  testing::internal::GetCapturedStdout();
}

TEST_F(AppStartup, EighteenScreenSingletonsExist) {
  TEkran* screens[] = {LoadingScreen,  Options,      ProfileManager, MainMenu,   MainGame,
                       EnterText,      PopUp,        StoryScreen,    MapScreen,  LevelSummary,
                       ContinueQuest,  Credits,      Tutorial,       ShowLevels, Splash,
                       ArtifactScreen, GiveArtefact, ArtPuzzle};
  for (TEkran* s : screens) ASSERT_NE(s, nullptr);
  EXPECT_STREQ(MainMenu->screenName(), "MainMenu");
  EXPECT_STREQ(ArtPuzzle->screenName(), "ArtPuzzle");
  // Construction sets defaults only.
  EXPECT_EQ(Options->fullscreen, 1);
  EXPECT_EQ(Options->soundVol, 5);
  EXPECT_EQ(Options->musicVol, 5);
  EXPECT_EQ(Options->customCursor, 1);
  EXPECT_EQ(Delta->dFps, 60.0f);
}
