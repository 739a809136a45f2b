#include "screens/credits.h"

TCredits* Credits = nullptr;

TCredits::TCredits() : TPlainScreen("Credits", {{"MENU", 1}}) {}

int TCredits::mainloop() {
  runPlain(nullptr);
  return 1;
}
