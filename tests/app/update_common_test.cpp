// The common update: closing the window saves once the profiles are loaded and never before.
#include "app/update_common.h"

#include <gtest/gtest.h>

#include "app_fixture.h"
#include "media/media.h"
#include "screens/all_screens.h"

using testing_support::ReadFile;

namespace {
struct CountingProfiles : TProfileManager {
  int saveProfiles() override { return ++saves, 0; }
  int saves = 0;
};
}  // namespace

class AppClose : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    ProfileManager = &profiles;
    MakeFolderTree(UserDir + "/Data");
  }
  // Runs frames until the game ends; returns the status, -1 when it did not end.
  int FramesUntilEnd(int frames) {
    try {
      for (int i = 0; i < frames; ++i) Frame();
    } catch (const GameEnded& end) {
      return end.status;
    }
    return -1;
  }
  CountingProfiles profiles;
};

TEST_F(AppClose, CloseBeforeTheProfilesAreLoadedSavesNothing) {
  InjectCloseRequest();
  EXPECT_EQ(FramesUntilEnd(3), 0);
  EXPECT_EQ(profiles.saves, 0);
  EXPECT_EQ(PathKind(UserDir + "/Data/settings.txt"), 0);
}

TEST_F(AppClose, CloseAfterTheProfilesAreLoadedSavesEverythingFirst) {
  ProfilesLoaded = true;
  Options->soundVol = 7;
  EXPECT_EQ(FramesUntilEnd(3), -1);  // no request: the game runs on
  InjectCloseRequest();
  EXPECT_EQ(FramesUntilEnd(3), 0);
  EXPECT_EQ(profiles.saves, 1);
  EXPECT_NE(ReadFile(UserDir + "/Data/settings.txt").find("soundVolume = 7"), std::string::npos);
}

TEST_F(AppClose, LeftAltF4ClosesRightAltF4DoesNot) {
  ProfilesLoaded = true;
  InjectKey(kKeyRAlt, true);
  InjectKey(kKeyF4, true);
  InjectKey(kKeyF4, false);
  EXPECT_EQ(FramesUntilEnd(2), -1);
  InjectKey(kKeyRAlt, false);
  InjectKey(kKeyLAlt, true);
  InjectKey(kKeyF4, true);
  EXPECT_EQ(FramesUntilEnd(2), 0);
  EXPECT_EQ(profiles.saves, 1);
}

TEST_F(AppClose, SuspendedWindowShowsThePauseAndEndsOnClose) {
  ProfilesLoaded = true;
  PauseText = "PAUSED";
  InjectSuspend(true);
  long long before = PresentedFrames();
  int suspendedFrames = 0;
  SetFrameHook([&] {
    if (++suspendedFrames == 5) InjectCloseRequest();
  });
  EXPECT_EQ(FramesUntilEnd(1), 0);
  SetFrameHook(nullptr);
  EXPECT_EQ(PresentedFrames() - before, 6);  // the request is seen at the next pump
  EXPECT_EQ(profiles.saves, 1);
  PauseText.clear();
}

TEST_F(AppClose, ExitHooksRunOnceWhenTheGameEnds) {
  int ran = 0;
  AddExitHook([&] { ++ran; });
  try {
    EndGame(3);
  } catch (const GameEnded& end) {
    EXPECT_EQ(end.status, 3);
  }
  try {
    EndGame(0);
  } catch (const GameEnded&) {
  }
  EXPECT_EQ(ran, 1);
}
