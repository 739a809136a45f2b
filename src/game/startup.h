// Start-up: the globals, the marker files, the window title, the screen singletons, InitGame
// (folders, seed, settings, window, splash, loading) and RunGame (the screen controller).
#pragma once

#include <cstdint>
#include <string>

// Choices from the command line that start-up applies.
struct TStartOptions {
  bool seedGiven = false;
  int64_t seed = 0;
  bool noSound = false;
};
extern TStartOptions StartOptions;

// The file-type code of a marker: 0 nothing, 1 a file, 2 a folder.
int MarkerFlag(const std::string& path);
// Sets CheatsEnabled, NoSound and NoTutorial from the marker files in the working folder.
void ReadMarkerFiles();
// The window title from the language folder: raw bytes, one character each, trimmed of
// characters of code 32 or below; GameName with a diagnostic when the file is missing or empty.
std::string ReadWindowTitle();
// Trims characters of code 32 or below from both ends of raw bytes.
std::string TrimTitleBytes(const std::string& bytes);
// The path of the PNG the window icon comes from.
std::string WindowIconPath();

// Creates the global objects in their fixed order: the font cache, the frame timer (60 fps), the
// atlases, the mouse, the sound catalogue and the lists, all empty.
void CreateGlobals();
// Creates the 18 screen singletons in their fixed order (and nothing else; no file is read).
void CreateScreens();
// Everything of start-up before InitGame, in order.
void CreateStartupState();
int InitGame();
[[noreturn]] int RunGame();
