// The level summary (modal, opened by the game screen): a placeholder screen that a click
// anywhere closes.
#pragma once

#include <memory>

#include "screens/placeholder_screen.h"

class TCaption;

extern const TScreenDescriptor kLevelSummaryScreen;

class TLevelSummary : public TPlaceholderScreen {
 public:
  TLevelSummary();
  virtual int mainloop();

  // The victory caption handed over by the game screen.
  std::shared_ptr<TCaption> actCaption;
};

extern TLevelSummary* LevelSummary;
