#include "app/globals.h"

#include "app/frame_timing.h"
#include "audio/global_snd.h"

const std::string AssetRoot = "game/";
const std::string Language = "en";

TList<TMyFont> FontList;
TList<TImgTexture> TextureList;
TGlobalSnd* GlobalSnd = nullptr;
TList<TArtifact> ArtifactList;
TList<TChip> ChipKinds;
TList<TFantom> FantomList;
TList<TFlyingChip> FlyingChipList;
TList<TCaption> CaptionList;
TList<TParticle> ParticleList;
TList<TFlyingChest> FlyingChestList;
TList<TBomb> BombList;

int CheatsEnabled = 0;
int NoSound = 0;
int NoTutorial = 0;
std::string GameName;
std::string WindowTitle;

std::string UserDir;
TImage* PointImage = nullptr;
TImage* CursorImage = nullptr;
TProfile* Profile = nullptr;
std::string PauseText;
TImageFont* PauseFont = nullptr;

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
  ChipKinds.Clear();
  FantomList.Clear();
  FlyingChipList.Clear();
  CaptionList.Clear();
  ParticleList.Clear();
  FlyingChestList.Clear();
  BombList.Clear();
}
