// The runtime's global values, set once at start-up and alive for the whole run: the marker
// flags, the names, the user-data folder and the pictures every screen shares. The global lists
// and catalogues live with the subsystems that own them (FontList in the font cache, TextureList
// with the atlases, the board's effect lists, GlobalSnd, ArtifactList).
#pragma once

#include <string>

#include "textdata/asset_root.h"

struct TImage;
struct TImageFont;
class TProfile;

// Marker files in the working folder: 0 nothing there, 1 a file, 2 a folder (any non-zero is on).
extern int CheatsEnabled;
extern int NoSound;
extern int NoTutorial;

extern std::string GameName;
extern std::string WindowTitle;  // Latin-1 characters held as UTF-8

// --- set later ----------------------------------------------------------------------------------
extern std::string UserDir;  // per-user data folder, "/" separated; set by InitUserDirs
extern TImage* PointImage;
extern TImage* CursorImage;
extern TProfile* Profile;  // the current player profile; null until one is chosen
// Shown while the window is inactive; set by the loading screen.
extern std::string PauseText;
extern TImageFont* PauseFont;
