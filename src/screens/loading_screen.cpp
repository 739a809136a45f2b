#include "screens/loading_screen.h"

#include "app/frame_timing.h"
#include "app/globals.h"
#include "media/media.h"
#include "screens/all_screens.h"
#include "textdata/txt_file.h"

TLoadingScreen* LoadingScreen = nullptr;

TLoadingScreen::TLoadingScreen() : TPlainScreen("LoadingScreen", {{"", 0}}) {}

int TLoadingScreen::Setup() {
  return setup();
}

int TLoadingScreen::progressFrame() {
  ClearBackBuffer();
  SetDrawScale(1, 1);
  SetDrawRotation(0);
  SetBlendMode(kBlendAlpha);
  SetDrawAlpha(1);
  SetTextFont(nullptr);
  SetDrawColour(255, 255, 255);
  DrawTextAt(name_, static_cast<float>(512 - TextWidthOf(name_) / 2), 340);
  SetDrawColour(60, 60, 80);
  FillRect(312, 380, 400, 16);
  SetDrawColour(250, 170, 0);
  FillRect(312, 380, 400.0f * static_cast<float>(p) / static_cast<float>(steps), 16);
  SetDrawColour(255, 255, 255);
  FlipFrame(0);
  p = p + 1;
  return 0;
}

int TLoadingScreen::Mainloop() {
  TScreenOnShow onShow(this);
  std::vector<std::function<int()>> setups = {
      [] {
        PauseText = TxtLine(LoadTxtFile(AssetRoot + "txt/#LANG#/game.txt"), 1);
        PauseFont = LoadFontFile(AssetRoot + "gfx/fonts/font1.ttf", 72);
        return 0;
      },
      [] { return Options->Setup(); },
      [] { return ProfileManager->setup(); },
      [] { return MainMenu->setup(); },
      [] { return MainGame->setup(); },
      [] { return EnterText->setup(); },
      [] { return PopUp->setup(); },
      [] { return StoryScreen->setup(); },
      [] { return MapScreen->setup(); },
      [] { return LevelSummary->setup(); },
      [] { return ContinueQuest->setup(); },
      [] { return Credits->setup(); },
      [] { return Tutorial->setup(); },
      [] { return ShowLevels->setup(); },
      [] { return ArtifactScreen->Setup(); },
      [] { return GiveArtefact->setup(); },
      [] { return ArtPuzzle->setup(); },
  };
  p = 0;
  steps = static_cast<int>(setups.size());
  for (auto& step : setups) {
    progressFrame();
    step();
  }
  progressFrame();
  return 0;
}
