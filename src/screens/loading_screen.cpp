#include "screens/loading_screen.h"

#include "app/frame_timing.h"
#include "app/globals.h"
#include "audio/global_snd.h"
#include "match3/caption.h"
#include "match3/chip_kinds.h"
#include "match3/particle.h"
#include "match3/tile.h"
#include "media/media.h"
#include "screens/all_screens.h"
#include "textdata/font_cache.h"
#include "textdata/txt_file.h"

const TScreenDescriptor kLoadingScreen = {"LoadingScreen", nullptr, {}, {}};

TLoadingScreen* LoadingScreen = nullptr;

TLoadingScreen::TLoadingScreen() : TGuiScreen(kLoadingScreen, kTopLevel) {
  cursor_ = 0;
}

int TLoadingScreen::Setup() {
  PauseText = TxtLine(LoadTxtFile(AssetRoot + "txt/#LANG#/game.txt"), 1);
  PauseFont = GetFont(AssetRoot + "gfx/fonts/font1.ttf", 72);
  p = 0;
  steps = 29;
  return 0;
}

int TLoadingScreen::progressFrame() {
  ClearBackBuffer();
  SetDrawScale(1, 1);
  SetDrawRotation(0);
  SetBlendMode(kBlendAlpha);
  SetDrawAlpha(1);
  SetTextFont(nullptr);
  SetDrawColour(255, 255, 255);
  DrawTextAt(screenName(), static_cast<float>(512 - TextWidthOf(screenName()) / 2), 340);
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
  // The fixed order of the set-ups, one progress frame after each.
  auto draw = [this] { progressFrame(); };
  draw();
  MainMenu->setup();
  draw();
  LoadChipKinds(AssetRoot);
  draw();
  LoadTileImages(AssetRoot);
  draw();
  if (GlobalSnd) GlobalSnd->setup();
  draw();
  draw();
  MainGame->setup();
  draw();
  Options->Setup();
  draw();
  draw();
  ArtifactScreen->Setup();
  draw();
  ProfileManager->setup();
  // Artifact kinds exist by now, so saved artifact ids find their kinds.
  ProfileManager->loadProfiles();
  draw();
  if (GlobalSnd) GlobalSnd->_setupExactMusic(1);
  draw();
  EnterText->setup();
  draw();
  PopUp->setup();
  draw();
  StoryScreen->setup();
  draw();
  if (GlobalSnd) GlobalSnd->_setupExactMusic(1);
  draw();
  MapScreen->setup();
  draw();
  LevelSummary->setup();
  draw();
  LoadCaptionImages(AssetRoot, Language);
  draw();
  if (GlobalSnd) GlobalSnd->_setupExactMusic(1);
  draw();
  ContinueQuest->setup();
  draw();
  draw();
  LoadParticleImages(AssetRoot);
  draw();
  if (GlobalSnd) GlobalSnd->_setupExactMusic(1);
  draw();
  Credits->setup();
  draw();
  Tutorial->setup();
  draw();
  ShowLevels->setup();
  draw();
  GiveArtefact->setup();
  draw();
  ArtPuzzle->setup();
  draw();
  _prepareDelta();
  return 0;
}
