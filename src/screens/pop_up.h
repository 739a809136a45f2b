// The yes/no pop-up (modal); the caller and the question are set before it runs.
// Runs as a plain screen until its own issue builds it.
#pragma once

#include <string>

#include "screens/plain_screen.h"

class TPopUp : public TPlainScreen {
 public:
  TPopUp();
  virtual int mainloop();
  TEkran* ekran = nullptr;
  std::string question;
};

extern TPopUp* PopUp;
