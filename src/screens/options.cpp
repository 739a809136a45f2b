#include "screens/options.h"

#include "app/frame_timing.h"
#include "app/globals.h"

TOptions* Options = nullptr;

TOptions::TOptions() : TPlainScreen("Options", {{"OK", 0}, {"MENU", 1}, {"MAP", 4}}) {}

int TOptions::Setup() {
  return setup();
}

int TOptions::mainloop(TEkran* caller) {
  ekran = caller;
  int result = runPlain(caller);
  ekran = nullptr;
  return result;
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
