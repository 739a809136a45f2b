// TFormatedText: a word-wrapped block of text of fixed width, measured once with its font and
// drawn left-aligned, centred, justified or outlined.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "media/media.h"
#include "textdata/text_layout.h"

class TFormatedText {
 public:
  std::string wholeText;
  std::vector<std::string> texts;  // the wrapped lines
  TImageFont* font = nullptr;
  int lines = 0;
  int OneHeight = 0;  // distance between line tops
  int Width = 0;      // wrapping width in pixels
  int Height = 0;     // OneHeight * lines
  int pomY = 0;       // running y while drawing outlined text

  virtual ~TFormatedText() = default;
  // align 1 centres each line in Width, -1 justifies it, anything else draws it at x.
  virtual int Draw(float x, float y, int align);
  // Left-aligned lines with a one-pixel black outline, the text itself in (r, g, b).
  virtual int DrawOutLined(float x, float y, int r, int g, int b);
  virtual int CountHeight();

 private:
  // Justified lines are laid out once and reused every frame.
  struct JustifiedLine {
    std::string source;
    int width = 0;
    std::unique_ptr<TFTPTX> layout;
  };
  std::vector<JustifiedLine> justified_;
  TFTPTX& justifiedLine(size_t i);
};

// Wraps text into lines no wider than width (a single longer word overflows on its own line);
// spacing is added to the font's line height.
std::shared_ptr<TFormatedText> CreateFormatedText(const std::string& text, TImageFont* font,
                                                  int width, int spacing);
