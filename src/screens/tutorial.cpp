#include "screens/tutorial.h"

#include "app/globals.h"

TTutorial* Tutorial = nullptr;

TTutorial::TTutorial() : TPlainScreen("Tutorial", {{"OK", 0}}) {}

int TTutorial::mainloop(TEkran* caller, int a, int b) {
  (void)a;
  (void)b;
  if (NoTutorial != 0) return 0;
  runPlain(caller);
  return 0;
}
