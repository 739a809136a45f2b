// A plain screen: what a screen shows until its own issue builds it. It fades in, shows its
// name and the ways out of it, and leaves by a click along the screen controller's table, so the
// whole game can be driven from start to end (also from a script).
#pragma once

#include <string>
#include <vector>

#include "app/screen_base.h"

class TPlainScreen : public TEkran {
 public:
  // One way out: a row with its label; a click on the row leaves with the result.
  struct Exit {
    std::string label;
    int result = 0;
  };

  TPlainScreen(const char* name, std::vector<Exit> exits);
  const char* screenName() const override { return name_; }
  int draw() override;
  int update() override;

  // Runs the screen's loop. With a caller the screen is modal: it draws the caller underneath
  // and fades its own content in and out; without one it is a full screen fading through black.
  int runPlain(TEkran* caller);
  // The row under (x, y), or -1. With one way out the whole screen is the row.
  int exitAt(float x, float y) const;
  // Top and height of row i, in logical pixels.
  static float RowTop(int i) { return 360.0f + 56.0f * static_cast<float>(i); }
  static constexpr float kRowHeight = 44.0f;
  static constexpr float kRowLeft = 312.0f;
  static constexpr float kRowWidth = 400.0f;

  std::vector<Exit> exits;
  std::string subtitle;  // an extra line under the name (the story number, the level...)

 protected:
  // Called when a row is clicked; the default leaves with the row's result.
  virtual void onExit(const Exit& chosen);
  void leave(int result);

  const char* name_;
  TEkran* caller_ = nullptr;
};
