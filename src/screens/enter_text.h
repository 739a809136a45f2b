// Name entry (modal, opened from the profile manager); returns the entered text. A placeholder
// screen that a click anywhere closes, keeping the text it was given.
#pragma once

#include <string>

#include "screens/placeholder_screen.h"

extern const TScreenDescriptor kEnterTextScreen;

class TEnterText : public TPlaceholderScreen {
 public:
  TEnterText();
  virtual std::string mainloop(TEkran* caller, const std::string& title, const std::string& text,
                               int maxLength);
};

extern TEnterText* EnterText;
