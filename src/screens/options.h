// TOptions: the player's settings for the whole run (window or full screen, volumes, custom
// cursor), the settings file in the user-data folder, and the graphics mode. It is also the
// options screen (modal, opened from the main menu, the game screen and the puzzle), here a
// placeholder screen with rows back to the caller, to the main menu and to the map.
#pragma once

#include <string>

#include "app/settings.h"
#include "screens/placeholder_screen.h"

struct TImage;
struct TImageFont;

extern const TScreenDescriptor kOptionsScreen;

class TOptions : public TPlaceholderScreen {
 public:
  TOptions();

  int SCREEN_WIDTH = 0, SCREEN_HEIGHT = 0;
  int screenType = 0;
  // The settings themselves live in the runtime's record (app/settings.h), which the frame code
  // reads; these are the same values under this screen's names.
  int& fullscreen = Settings.fullscreen;
  int numerReversu = 0;
  int& soundVol = Settings.soundVol;
  int& musicVol = Settings.musicVol;
  int& customCursor = Settings.customCursor;
  TImage* panel = nullptr;
  TImageFont *font1 = nullptr, *font2 = nullptr, *font3 = nullptr;
  std::string txtVideo, txtAudio, txtMusic, txtSound, txtMisc, txtDisplay, txtAreYou,
      txtCustomCursor;

  virtual int Setup();
  // Reads the settings file, writing it with the current values first when it is missing.
  virtual int LoadSettings();
  virtual int SaveSettings();
  virtual int initScreen();
  virtual int OpenScreen(int w, int h);
  // Alt+Enter: full screen <-> window, then the settings are saved.
  virtual int SwitchScreen();
  virtual float CountSoundVol();
  virtual float CountMusicVol();
  virtual int SetVolumes();
  // Runs the screen over caller: 0 back to the caller, 1 to the main menu, 4 to the map.
  virtual int mainloop(TEkran* caller);
  virtual int SwitchCursor();
  virtual int goOk();
  virtual int goMenu();
  virtual int goMap();
  virtual int SoundVolDown();
  virtual int SoundVolUp();
  virtual int MusicVolDown();
  virtual int MusicVolUp();
  virtual int goFullscreen();
  virtual int goWindowed();
};

extern TOptions* Options;

// Where the settings live: UserDir + "/data/settings.txt".
std::string SettingsPath();
// The graphics mode the next OpenScreen opens: headless runs and --window/--fullscreen can
// force one for the run without changing the player's setting (-1: follow the setting).
extern int ForcedFullscreen;
