#include "screens/pop_up.h"

TPopUp* PopUp = nullptr;

TPopUp::TPopUp() : TPlainScreen("PopUp", {{"YES", 1}, {"NO", 0}}) {}

int TPopUp::mainloop() {
  subtitle = question;
  return runPlain(ekran ? ekran : ScreenOnShow());
}
