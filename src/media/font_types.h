// What a font handle holds: the TrueType face (or the built-in bitmap font) and the glyphs
// rasterised so far, packed into atlas pages that the sprite renderer draws from.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "media/video_backend.h"

namespace media_internal {

struct FontGlyph {
  GpuTexture* page = nullptr;  // null for glyphs with no pixels (spaces)
  float u0 = 0, v0 = 0, u1 = 0, v1 = 0;
  int width = 0, height = 0;  // bitmap size in pixels
  int left = 0, top = 0;      // bitmap offset from the pen: right, and up from the baseline
  float advance = 0;          // pen movement in pixels
};

// Shelf packing of glyph bitmaps into square pages.
class GlyphAtlas {
 public:
  explicit GlyphAtlas(bool filtered) : filtered_(filtered) {}
  // Copies an 8-bit coverage bitmap in; false when it is too large or the atlas is full.
  bool Add(const uint8_t* coverage, int width, int height, int pitch, FontGlyph& glyph);

 private:
  static constexpr int kPageSize = 512;
  static constexpr int kMaxPages = 32;
  bool filtered_;
  std::vector<std::unique_ptr<GpuTexture>> pages_;
  int penX_ = 0, penY_ = 0, rowHeight_ = 0;
};

}  // namespace media_internal

struct TImageFont {
  std::string path;
  std::string fileBytes;  // FreeType reads the face from here for as long as the font lives
  void* face = nullptr;   // FT_Face; null for the built-in font
  int pixelSize = 0;
  int style = 4;
  int lineHeight = 0;
  int ascent = 0;
  std::unordered_map<uint32_t, media_internal::FontGlyph> glyphs;
  std::unique_ptr<media_internal::GlyphAtlas> atlas;
};

namespace media_internal {

// The built-in font selected by SetTextFont(null); always available.
TImageFont* DefaultFont();
// The glyph of a code point, rasterised on first use; null when the font has none to show.
const FontGlyph* FindGlyph(TImageFont* font, uint32_t codePoint);

}  // namespace media_internal
