// Turns text into SVG path data with FreeType, so pictures carry our committed font's letter
// shapes and never depend on the fonts of the machine that builds them.
#pragma once

#include <memory>
#include <string>

namespace artgen {

struct TextShape {
  std::string d;       // path data, baseline at y = 0, text starting at x = 0
  double width = 0;    // advance width in pixels
  double ascent = 0;   // of the font at this size, pixels above the baseline
  double descent = 0;  // pixels below the baseline (positive)
};

class GlyphSource {
 public:
  // Fails (returns null, with the reason in error) when the font file is missing or unreadable.
  static std::unique_ptr<GlyphSource> Open(const std::string& fontPath, std::string& error);
  ~GlyphSource();
  GlyphSource(const GlyphSource&) = delete;
  GlyphSource& operator=(const GlyphSource&) = delete;

  // The outline of text (ASCII or UTF-8) at the given pixel size, with letter spacing added
  // between glyphs.
  TextShape Shape(const std::string& text, double pixelSize, double letterSpacing = 0) const;

 private:
  GlyphSource() = default;
  struct Impl;
  Impl* impl_ = nullptr;
};

}  // namespace artgen
