#include "game/screen_list.h"

#include "screens/all_screens.h"

const TScreenDescriptors& AllScreenDescriptors() {
  static const TScreenDescriptors kScreens = {
      &kLoadingScreen,      &kOptionsScreen,      &kProfileManagerScreen, &kMainMenuScreen,
      &kMainGameScreen,     &kEnterTextScreen,    &kPopUpScreen,          &kStoryScreen,
      &kMapScreen,          &kLevelSummaryScreen, &kContinueQuestScreen,  &kCreditsScreen,
      &kTutorialScreen,     &kShowLevelsScreen,   &kSplashScreen,         &kArtifactScreen,
      &kGiveArtefactScreen, &kArtPuzzleScreen,    &kPuzzleWinScreen,
  };
  return kScreens;
}
