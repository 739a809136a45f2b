// The level summary (modal, opened by the game screen).
// Runs as a plain screen until its own issue builds it.
#pragma once

#include <memory>
#include <string>

#include "screens/plain_screen.h"

class TCaption;

class TLevelSummary : public TPlainScreen {
 public:
  TLevelSummary();
  virtual int mainloop();

  // The victory caption handed over by the game screen.
  std::shared_ptr<TCaption> actCaption;
};

extern TLevelSummary* LevelSummary;
