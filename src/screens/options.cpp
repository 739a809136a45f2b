#include "screens/options.h"

#include "app/frame_timing.h"
#include "app/globals.h"

const TScreenDescriptor kOptionsScreen = {
    "Options",
    "gfx/gui/options/#LANG#/options.gui",
    {"OK", "MENU", "HELP", "MAP", "SOUNDMINUS", "SOUNDPLUS", "MUSICMINUS", "MUSICPLUS",
     "FULLSCREEN_OFF", "FULLSCREEN_ON", "CURSOR_ON", "CURSOR_OFF"},
    {},
};

TOptions* Options = nullptr;

TOptions::TOptions() : TPlaceholderScreen(kOptionsScreen, kModal) {
  // A new options object starts from the default settings.
  Settings = TSettings{};
  OnClick("OK", &TOptions::goOk);
  OnClick("MENU", &TOptions::goMenu);
  OnClick("MAP", &TOptions::goMap);
}

int TOptions::Setup() {
  return setup();
}

int TOptions::mainloop(TEkran* caller) {
  return run(caller);
}

int TOptions::goOk() {
  return leave(0);
}

int TOptions::goMenu() {
  return leave(1);
}

int TOptions::goMap() {
  return leave(4);
}

int TOptions::SwitchCursor() {
  customCursor = customCursor == 0 ? 1 : 0;
  return 0;
}

float TOptions::CountSoundVol() {
  return static_cast<float>(soundVol) / 10.0f;
}

float TOptions::CountMusicVol() {
  return static_cast<float>(musicVol) / 10.0f;
}

int TOptions::SoundVolDown() {
  if (--soundVol < 0) soundVol = 0;
  return SetVolumes();
}

int TOptions::SoundVolUp() {
  if (++soundVol > 10) soundVol = 10;
  return SetVolumes();
}

int TOptions::MusicVolDown() {
  if (--musicVol < 0) musicVol = 0;
  return SetVolumes();
}

int TOptions::MusicVolUp() {
  if (++musicVol > 10) musicVol = 10;
  return SetVolumes();
}
