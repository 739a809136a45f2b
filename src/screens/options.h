// TOptions: the player's settings for the whole run (window or full screen, volumes, custom
// cursor), the settings file in the user-data folder, and the graphics mode. It is also the
// options screen, which runs as a plain screen until its own issue builds it.
#pragma once

#include <string>

#include "screens/plain_screen.h"

struct TImage;
struct TImageFont;

class TOptions : public TPlainScreen {
 public:
  TOptions();

  TEkran* ekran = nullptr;
  int SCREEN_WIDTH = 0, SCREEN_HEIGHT = 0;
  int screenType = 0;
  int fullscreen = 1;
  int numerReversu = 0;
  int soundVol = 5;
  int musicVol = 5;
  int customCursor = 1;
  TImage* panel = nullptr;
  TImageFont *font1 = nullptr, *font2 = nullptr, *font3 = nullptr;
  std::string txtVideo, txtAudio, txtMusic, txtSound, txtMisc, txtDisplay, txtAreYou,
      txtCustomCursor;
  float showPer = 0;
  float dShowPer = 0;

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
  virtual int mainloop(TEkran* caller);
  virtual int SwitchCursor();
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
