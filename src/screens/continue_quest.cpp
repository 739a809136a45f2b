#include "screens/continue_quest.h"

const TScreenDescriptor kContinueQuestScreen = {
    "ContinueQuest",
    "gfx/gui/continueQuest/#LANG#/continueQuest.gui",
    {"NEW", "RESUME", "MENU"},
    {},
};

TContinueQuest* ContinueQuest = nullptr;

TContinueQuest::TContinueQuest() : TPlaceholderScreen(kContinueQuestScreen, kModal) {
  LeaveOnClick("NEW", 101);
  LeaveOnClick("RESUME", 104);
  LeaveOnClick("BACK", 0);
}

int TContinueQuest::mainloop() {
  return run(ScreenOnShow());
}
