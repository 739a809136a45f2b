// The game's global objects and constants, created once at start-up in a fixed order and alive
// for the whole run. Element types of the lists belong to other subsystems and are only
// forward-declared here, so those subsystems can define them without depending on this one.
#pragma once

#include <string>

#include "media/tlist.h"

struct TImage;
struct TImageFont;
class TMyFont;
class TImgTexture;
class TGlobalSnd;
class TArtifact;
class TChip;
class TFantom;
class TFlyingChip;
class TCaption;
class TParticle;
class TFlyingChest;
class TBomb;
class TProfile;

// Every asset path starts with this; the asset tree is the folder "game" beside the program.
extern const std::string AssetRoot;
// The language folder below AssetRoot + "txt/", and what "#LANG#" in paths stands for.
extern const std::string Language;

// --- created at start-up, in this order -------------------------------------------------------
extern TList<TMyFont> FontList;
// Delta and Mouse (frame_timing.h) come here in the order.
extern TList<TImgTexture> TextureList;
extern TGlobalSnd* GlobalSnd;  // the sound and music catalogue, filled by the loading screen
extern TList<TArtifact> ArtifactList;
extern TList<TChip> ChipKinds;
extern TList<TFantom> FantomList;
extern TList<TFlyingChip> FlyingChipList;
extern TList<TCaption> CaptionList;
extern TList<TParticle> ParticleList;
extern TList<TFlyingChest> FlyingChestList;
extern TList<TBomb> BombList;

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

// Creates the globals of the table above in order (the lists start empty, Delta gets 60 fps).
void CreateGlobals();
