// The settings half of TOptions: the settings file and the graphics mode.
#include <algorithm>

#include "app/frame_timing.h"
#include "app/globals.h"
#include "media/media.h"
#include "screens/options.h"
#include "textdata/rcm_file.h"

int ForcedFullscreen = -1;

std::string SettingsPath() {
  return UserDir + "/data/settings.txt";
}

int TOptions::SaveSettings() {
  auto file = CreateRCM();
  file->setFloat("settings::fullscreen", static_cast<float>(fullscreen), 0);
  file->setFloat("settings::soundVolume", static_cast<float>(soundVol), 0);
  file->setFloat("settings::musicVolume", static_cast<float>(musicVol), 0);
  file->setFloat("settings::customCursor", static_cast<float>(customCursor), 0);
  return file->save(SettingsPath());
}

int TOptions::LoadSettings() {
  std::string path = SettingsPath();
  if (PathKind(path) == 0) SaveSettings();
  // When even writing failed the current values stay in force.
  if (PathKind(path) == 0) return 0;
  auto file = LoadRCM(path);
  // A value the file does not hold (a damaged or cut file) keeps the current one; every value
  // read is brought into range so a damaged file cannot give absurd volumes.
  auto readInt = [&](const char* key, int current) {
    if (file->findEntry(key) == nullptr) return current;
    float value = file->getFloat(key, 0, 0);
    if (!(value > -1e6f && value < 1e6f)) value = 0;
    return static_cast<int>(value);
  };
  fullscreen = readInt("settings::fullscreen", fullscreen) != 0 ? 1 : 0;
  customCursor = readInt("settings::customCursor", customCursor) != 0 ? 1 : 0;
  soundVol = std::clamp(readInt("settings::soundVolume", soundVol), 0, 10);
  musicVol = std::clamp(readInt("settings::musicVolume", musicVol), 0, 10);
  SetVolumes();
  return 0;
}

int TOptions::SetVolumes() {
  return 0;
}

int TOptions::initScreen() {
  return OpenScreen(1024, 768);
}

int TOptions::OpenScreen(int w, int h) {
  SCREEN_WIDTH = w;
  SCREEN_HEIGHT = h;
  int full = ForcedFullscreen >= 0 ? ForcedFullscreen : fullscreen;
  if (OpenGraphicsMode(w, h, full == 1 ? 32 : 0, 60, 0) != 1)
    PrintLine("Could not open the graphics mode " + std::to_string(w) + "x" + std::to_string(h) +
              (full == 1 ? " full screen" : " window"));
  if (!WindowTitle.empty()) SetWindowTitle(WindowTitle);
  SetVirtualScreen(1024, 768, 0);
  return 0;
}

int TOptions::SwitchScreen() {
  // Toggle what is on show, also when this run was started with --window or --fullscreen.
  int full = ForcedFullscreen >= 0 ? ForcedFullscreen : fullscreen;
  if (full == 1) {
    goWindowed();
  } else {
    goFullscreen();
  }
  SaveSettings();
  return 0;
}

int TOptions::goFullscreen() {
  fullscreen = 1;
  ForcedFullscreen = -1;
  return initScreen();
}

int TOptions::goWindowed() {
  fullscreen = 0;
  ForcedFullscreen = -1;
  return initScreen();
}
