// A started application frame for tests: the null media back end on the virtual clock, the
// globals and the screen singletons, the user folder in a scratch folder, and a game end that
// throws instead of ending the test program.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/frame_timing.h"
#include "app/globals.h"
#include "app/update_common.h"
#include "game/game_parts.h"
#include "game/startup.h"
#include "test_support.h"

struct GameEnded {
  int status;
};

class AppFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(media_.ok());
    CreateGlobals();
    CreateScreens();
    RegisterGameParts();
    UserDir = scratch_.path() + "/user";
    ProfilesLoaded = false;
    SetGameEnder([](int status) { throw GameEnded{status}; });
  }
  void TearDown() override {
    SetGameEnder(nullptr);
    ProfilesLoaded = false;
  }
  // One frame as the game runs it: the common update, a present.
  void Frame() {
    UpdateCommon();
    FlipFrame(1);
  }

  testing_support::MediaScope media_{BackendKind::Null, true};
  testing_support::ScratchDir scratch_;
};
