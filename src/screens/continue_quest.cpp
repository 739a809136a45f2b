#include "screens/continue_quest.h"

TContinueQuest* ContinueQuest = nullptr;

TContinueQuest::TContinueQuest()
    : TPlainScreen("ContinueQuest", {{"NEW", 101}, {"RESUME", 104}, {"BACK", 0}}) {}

int TContinueQuest::mainloop() {
  return runPlain(ScreenOnShow());
}
