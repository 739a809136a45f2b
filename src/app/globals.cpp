#include "app/globals.h"

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
