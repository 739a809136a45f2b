#include "screens/pop_up.h"

const TScreenDescriptor kPopUpScreen = {
    "PopUp",
    "gfx/gui/popUp/#LANG#/popUp.gui",
    {"OK", "CANCEL"},
    {},
};

TPopUp* PopUp = nullptr;

TPopUp::TPopUp() : TPlaceholderScreen(kPopUpScreen, kModal) {
  LeaveOnClick("YES", 1);
  LeaveOnClick("NO", 0);
}

int TPopUp::mainloop() {
  subtitle = question;
  return run(ekran ? ekran : ScreenOnShow());
}
