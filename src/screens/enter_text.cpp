#include "screens/enter_text.h"

const TScreenDescriptor kEnterTextScreen = {
    "EnterText",
    "gfx/gui/enterText/#LANG#/enterText.gui",
    {"OK", "CANCEL"},
    {},
};

TEnterText* EnterText = nullptr;

TEnterText::TEnterText() : TPlaceholderScreen(kEnterTextScreen, kModal) {
  LeaveOnClick("OK", 0);
}

std::string TEnterText::mainloop(TEkran* caller, const std::string& title, const std::string& text,
                                 int maxLength) {
  subtitle = title;
  (void)maxLength;
  run(caller);
  return text;
}
