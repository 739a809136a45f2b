#include "game/startup.h"

#include "app/frame_timing.h"
#include "app/globals.h"
#include "app/user_dirs.h"
#include "audio/global_snd.h"
#include "game/controller.h"
#include "gui/image_atlas.h"
#include "match3/effect_lists.h"
#include "media/media.h"
#include "screens/all_screens.h"
#include "screens/artifact.h"
#include "textdata/font_cache.h"

TStartOptions StartOptions;

int MarkerFlag(const std::string& path) {
  return PathKind(path);
}

void ReadMarkerFiles() {
  CheatsEnabled = MarkerFlag("cheats.txt");
  NoSound = MarkerFlag("noSound.txt");
  NoTutorial = MarkerFlag("noTutorial.txt");
  if (StartOptions.noSound && NoSound == 0) NoSound = 1;
}

std::string TrimTitleBytes(const std::string& bytes) {
  size_t begin = 0, end = bytes.size();
  while (begin < end && static_cast<unsigned char>(bytes[begin]) <= 32) ++begin;
  while (end > begin && static_cast<unsigned char>(bytes[end - 1]) <= 32) --end;
  return bytes.substr(begin, end - begin);
}

std::string ReadWindowTitle() {
  std::string path = AssetRoot + "txt/" + Language + "/name.txt";
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) {
    PrintLine("Missing window title file " + path + "; the title is " + GameName);
    return GameName;
  }
  std::string title = TrimTitleBytes(bytes);
  if (title.empty()) {
    PrintLine("Empty window title file " + path + "; the title is " + GameName);
    return GameName;
  }
  return Latin1ToUtf8(title);
}

std::string WindowIconPath() {
  return AssetRoot + "gfx/icon.png";
}

void CreateGlobals() {
  // The lists are objects of static storage: they exist (empty) before anything runs, which is
  // what creating them first would give; clearing keeps a second start-up (tests) clean.
  FontList.Clear();
  if (!Delta) Delta = TDeltaTime::Create(60);
  Delta->SetFPS(60);
  TextureList.Clear();
  if (!Mouse) Mouse = new TMouse();
  if (!GlobalSnd) GlobalSnd = new TGlobalSnd();
  ArtifactList.Clear();
  ClearBoardLists();
}

void CreateScreens() {
  LoadingScreen = new TLoadingScreen();
  Options = new TOptions();
  ProfileManager = new TProfileManager();
  MainMenu = new TMainMenu();
  MainGame = new TMainGame();
  EnterText = new TEnterText();
  PopUp = new TPopUp();
  StoryScreen = new TStoryScreen();
  MapScreen = new TMapScreen();
  LevelSummary = new TLevelSummary();
  ContinueQuest = new TContinueQuest();
  Credits = new TCredits();
  Tutorial = new TTutorial();
  ShowLevels = new TShowLevels();
  Splash = new TSplash();
  ArtifactScreen = new TArtifactScreen();
  GiveArtefact = new TGiveArtefact();
  ArtPuzzle = new TArtPuzzle();
}

void CreateStartupState() {
  CreateGlobals();
  ReadMarkerFiles();
  GameName = "Kelvaroth";
  WindowTitle = ReadWindowTitle();
  CreateScreens();
}

int InitGame() {
  InitUserDirs();
  SeedRandom(StartOptions.seedGiven ? StartOptions.seed : MillisecondClock());
  Options->LoadSettings();
  Options->initScreen();
  SetWindowIconFromFile(WindowIconPath());
  Splash->setup();
  Splash->mainloop();
  PointImage = LoadImageFile(AssetRoot + "gfx/point.png");
  CursorImage = LoadImageFile(AssetRoot + "gfx/gui/mouse.png");
  SetImageAnchor(CursorImage, 2, 2);
  CentreImageAnchor(PointImage);
  LoadingScreen->Setup();
  LoadingScreen->Mainloop();
  return 0;
}

int RunGame() {
  for (;;) Control::mainloop();
}
