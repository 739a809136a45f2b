// TrueType fonts through FreeType: a face is kept open and its glyphs are rasterised into the
// font's atlas the first time they are drawn or measured (printable ASCII up front).
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <cmath>
#include <vector>

#include "media/drawing_state.h"
#include "media/files.h"
#include "media/font_types.h"
#include "media/graphics.h"
#include "media/system.h"
#include "media/text_encoding.h"

namespace media_internal {

namespace {

FT_Library Library() {
  static FT_Library library = [] {
    FT_Library made = nullptr;
    if (FT_Init_FreeType(&made) != 0) made = nullptr;
    return made;
  }();
  return library;
}

constexpr int kLargestSize = 4096;

void Rasterise(TImageFont* font, uint32_t codePoint, FontGlyph& glyph) {
  auto face = static_cast<FT_Face>(font->face);
  const bool smooth = (font->style & 4) != 0;
  const FT_UInt index = FT_Get_Char_Index(face, codePoint);
  if (FT_Load_Glyph(face, index, smooth ? FT_LOAD_DEFAULT : FT_LOAD_TARGET_MONO) != 0) return;
  FT_GlyphSlot slot = face->glyph;
  if (font->style & 1) FT_GlyphSlot_Embolden(slot);
  if (font->style & 2) FT_GlyphSlot_Oblique(slot);
  glyph.advance = static_cast<float>(slot->advance.x) / 64.0f;
  if (!std::isfinite(glyph.advance) || std::fabs(glyph.advance) > 4.0f * kLargestSize)
    glyph.advance = 0;
  if (FT_Render_Glyph(slot, smooth ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0) return;
  const FT_Bitmap& bitmap = slot->bitmap;
  const int width = static_cast<int>(bitmap.width), height = static_cast<int>(bitmap.rows);
  if (width <= 0 || height <= 0 || !bitmap.buffer) return;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY && bitmap.pixel_mode != FT_PIXEL_MODE_MONO) return;
  if (width > 2048 || height > 2048) return;
  std::vector<uint8_t> coverage(size_t(width) * size_t(height));
  const int pitch = bitmap.pitch;
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = pitch >= 0 ? bitmap.buffer + ptrdiff_t(y) * pitch
                                    : bitmap.buffer + ptrdiff_t(height - 1 - y) * -pitch;
    for (int x = 0; x < width; ++x) {
      uint8_t value;
      if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
        value = (row[x >> 3] & (0x80 >> (x & 7))) ? 0xFF : 0;
      } else {
        const int grays = bitmap.num_grays > 1 ? bitmap.num_grays - 1 : 255;
        value = static_cast<uint8_t>(std::min(255, row[x] * 255 / grays));
      }
      coverage[size_t(y) * size_t(width) + size_t(x)] = value;
    }
  }
  if (font->atlas->Add(coverage.data(), width, height, width, glyph)) {
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
  }
}

TImageFont* CurrentFont() {
  TImageFont* font = Drawing().font;
  return font ? font : DefaultFont();
}

}  // namespace

const FontGlyph* FindGlyph(TImageFont* font, uint32_t codePoint) {
  auto it = font->glyphs.find(codePoint);
  if (it != font->glyphs.end()) return &it->second;
  if (!font->face) {  // the built-in font shows what it lacks as a question mark
    it = font->glyphs.find('?');
    return it != font->glyphs.end() ? &it->second : nullptr;
  }
  FontGlyph glyph;
  Rasterise(font, codePoint, glyph);
  return &font->glyphs.emplace(codePoint, glyph).first->second;
}

}  // namespace media_internal

using media_internal::FindGlyph;

TImageFont* LoadFontFile(const std::string& path, int size, int style) {
  if (size < 1) {
    PrintLine("Cannot load font " + path + ": size " + std::to_string(size));
    return nullptr;
  }
  auto font = std::make_unique<TImageFont>();
  FT_Face face = nullptr;
  if (!ReadFileBytes(path, font->fileBytes)) {
    PrintLine("Cannot load font " + path + ": file not found");
    return nullptr;
  }
  FT_Library library = media_internal::Library();
  if (!library ||
      FT_New_Memory_Face(library, reinterpret_cast<const FT_Byte*>(font->fileBytes.data()),
                         static_cast<FT_Long>(font->fileBytes.size()), 0, &face) != 0) {
    PrintLine("Cannot load font " + path + ": not a font FreeType can read");
    return nullptr;
  }
  // The rasteriser may refuse a size (a bitmap font has only some); smaller ones are tried.
  int chosen = 0;
  for (int s = std::min(size, media_internal::kLargestSize); s >= 1; --s) {
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(s)) == 0) {
      chosen = s;
      break;
    }
    if (!FT_IS_SCALABLE(face) && face->num_fixed_sizes <= 0) break;
  }
  if (chosen == 0) {
    FT_Done_Face(face);
    PrintLine("Cannot load font " + path + ": no usable size");
    return nullptr;
  }
  font->path = path;
  font->face = face;
  font->pixelSize = chosen;
  font->style = style;
  const FT_Size_Metrics& metrics = face->size->metrics;
  font->lineHeight = static_cast<int>(std::max<FT_Pos>(0, metrics.height) >> 6);
  font->ascent = static_cast<int>((std::max<FT_Pos>(0, metrics.ascender) + 63) >> 6);
  font->atlas = std::make_unique<media_internal::GlyphAtlas>((style & 4) != 0);
  for (uint32_t c = 32; c < 127; ++c) FindGlyph(font.get(), c);
  return font.release();
}

void SetTextFont(TImageFont* font) {
  media_internal::Drawing().font = font;
}

TImageFont* GetTextFont() {
  return media_internal::Drawing().font;
}

int TextWidthOf(const std::string& text) {
  TImageFont* font = media_internal::CurrentFont();
  float width = 0;
  for (size_t i = 0; i < text.size();) {
    const uint32_t c = NextCodePoint(text, i);
    if (c < 32) continue;
    if (const auto* glyph = FindGlyph(font, c)) width = std::trunc(width + glyph->advance);
  }
  return static_cast<int>(width);
}

int FontLineHeight() {
  return media_internal::CurrentFont()->lineHeight;
}

void DrawTextAt(const std::string& text, float x, float y) {
  auto& s = media_internal::Drawing();
  TImageFont* font = media_internal::CurrentFont();
  x += s.originX;
  y += s.originY;
  if (media_internal::DrawsAreRecorded()) {
    RecordedDraw d = media_internal::Record(RecordedDraw::Text, x, y);
    d.text = text;
    d.w = static_cast<float>(TextWidthOf(text));
    d.h = static_cast<float>(font->lineHeight);
    media_internal::RecordDraw(d);
    return;
  }
  // Glyphs follow one another by the same truncated sums TextWidthOf measures.
  float pen = 0;
  for (size_t i = 0; i < text.size();) {
    const uint32_t c = NextCodePoint(text, i);
    if (c < 32) continue;
    const auto* glyph = FindGlyph(font, c);
    if (!glyph) continue;
    if (glyph->page) {
      const float lx = pen + static_cast<float>(glyph->left);
      const float ly = static_cast<float>(font->ascent - glyph->top);
      media_internal::EmitQuad(glyph->page, x, y, lx, ly, lx + static_cast<float>(glyph->width),
                               ly + static_cast<float>(glyph->height), glyph->u0, glyph->v0,
                               glyph->u1, glyph->v1);
    }
    pen = std::trunc(pen + glyph->advance);
  }
}
