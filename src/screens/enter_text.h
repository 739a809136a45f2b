// Name entry (modal, opened from the profile manager); returns the entered text.
// Runs as a plain screen until its own issue builds it.
#pragma once

#include <string>

#include "screens/plain_screen.h"

class TEnterText : public TPlainScreen {
 public:
  TEnterText();
  virtual std::string mainloop(TEkran* caller, const std::string& title, const std::string& text,
                               int maxLength);
};

extern TEnterText* EnterText;
