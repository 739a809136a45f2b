// TPlaceholderScreen: a plain stand-in for a screen that has no art of its own: its name on a
// dark card and one row per button of its table, each row a GUI object named after the button,
// so a click on the row (or `press NAME`) runs the button's action. With a single button the whole
// screen is the button. Rows react only while the screen is fully shown and not yet leaving.
#pragma once

#include <string>

#include "gui/gui_screen.h"

class TPlaceholderScreen : public TGuiScreen {
 public:
  using TGuiScreen::TGuiScreen;

  // Builds the rows' GUI from the button table (the descriptor's .gui file is not read).
  int setup() override;
  int prepare() override;

  // Top and height of row i, in logical pixels.
  static float RowTop(int i) { return 360.0f + 56.0f * static_cast<float>(i); }
  static constexpr float kRowHeight = 44.0f;
  static constexpr float kRowLeft = 312.0f;
  static constexpr float kRowWidth = 400.0f;

  std::string subtitle;  // an extra line under the name (the story number, the level...)

 protected:
  int _drawContent() override;
  int _react() override;
  // A button whose action only leaves with its result.
  void LeaveOnClick(const std::string& name, int result);
};
