// The yes/no pop-up (modal); the caller (ekran) and the question are set before it runs. A
// placeholder screen with a row for each answer.
#pragma once

#include <string>

#include "screens/placeholder_screen.h"

extern const TScreenDescriptor kPopUpScreen;

class TPopUp : public TPlaceholderScreen {
 public:
  TPopUp();
  // The answer: 1 yes, 0 no.
  virtual int mainloop();
  std::string question;
};

extern TPopUp* PopUp;
