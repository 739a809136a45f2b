#include "screens/enter_text.h"

TEnterText* EnterText = nullptr;

TEnterText::TEnterText() : TPlainScreen("EnterText", {{"OK", 0}}) {}

std::string TEnterText::mainloop(TEkran* caller, const std::string& title, const std::string& text,
                                 int maxLength) {
  subtitle = title;
  (void)maxLength;
  runPlain(caller);
  return text;
}
