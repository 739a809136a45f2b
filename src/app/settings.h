// The player's settings as the runtime reads them: a plain record the options screen fills from
// the settings file and changes when the player does. Keeping it here lets the frame code (the
// custom cursor) read it without knowing the options screen.
#pragma once

struct TSettings {
  int fullscreen = 1;    // 1 full screen, 0 window
  int soundVol = 5;      // effect volume step 0..10
  int musicVol = 5;      // music volume step 0..10
  int customCursor = 1;  // 1: the game draws its own cursor picture
};

extern TSettings Settings;
