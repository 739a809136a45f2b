// FreeType glyph outlines written as SVG path commands.
#include "glyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cstdio>
#include <vector>

#include "svg.h"

namespace artgen {

struct GlyphSource::Impl {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
};

std::unique_ptr<GlyphSource> GlyphSource::Open(const std::string& fontPath, std::string& error) {
  std::FILE* probe = std::fopen(fontPath.c_str(), "rb");
  if (!probe) {
    error = "font file not found: " + fontPath;
    return nullptr;
  }
  std::fclose(probe);
  std::unique_ptr<GlyphSource> source(new GlyphSource());
  source->impl_ = new Impl();
  if (FT_Init_FreeType(&source->impl_->library) != 0) {
    error = "FreeType did not start";
    return nullptr;
  }
  if (FT_New_Face(source->impl_->library, fontPath.c_str(), 0, &source->impl_->face) != 0) {
    error = "not a usable font file: " + fontPath;
    return nullptr;
  }
  return source;
}

GlyphSource::~GlyphSource() {
  if (!impl_) return;
  if (impl_->face) FT_Done_Face(impl_->face);
  if (impl_->library) FT_Done_FreeType(impl_->library);
  delete impl_;
}

namespace {

struct Walk {
  std::string* d;
  double scale;
  double ox;
};

std::string P(const Walk& w, const FT_Vector* v) {
  return N(w.ox + v->x * w.scale) + " " + N(-v->y * w.scale);
}

int MoveTo(const FT_Vector* to, void* user) {
  auto* w = static_cast<Walk*>(user);
  if (!w->d->empty()) *w->d += "Z ";  // contours are closed so that strokes have no gap
  *w->d += "M" + P(*w, to) + " ";
  return 0;
}
int LineTo(const FT_Vector* to, void* user) {
  auto* w = static_cast<Walk*>(user);
  *w->d += "L" + P(*w, to) + " ";
  return 0;
}
int ConicTo(const FT_Vector* c, const FT_Vector* to, void* user) {
  auto* w = static_cast<Walk*>(user);
  *w->d += "Q" + P(*w, c) + " " + P(*w, to) + " ";
  return 0;
}
int CubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
  auto* w = static_cast<Walk*>(user);
  *w->d += "C" + P(*w, c1) + " " + P(*w, c2) + " " + P(*w, to) + " ";
  return 0;
}

std::vector<uint32_t> DecodeUtf8(const std::string& s) {
  std::vector<uint32_t> out;
  for (size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    uint32_t cp = extra == 0 ? c : (c & (0x3F >> extra));
    ++i;
    for (; extra > 0 && i < s.size(); --extra, ++i) {
      cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    }
    out.push_back(cp);
  }
  return out;
}

}  // namespace

TextShape GlyphSource::Shape(const std::string& text, double pixelSize,
                             double letterSpacing) const {
  TextShape shape;
  FT_Face face = impl_->face;
  const double scale = pixelSize / face->units_per_EM;
  shape.ascent = face->ascender * scale;
  shape.descent = -face->descender * scale;
  FT_Outline_Funcs funcs{};
  funcs.move_to = MoveTo;
  funcs.line_to = LineTo;
  funcs.conic_to = ConicTo;
  funcs.cubic_to = CubicTo;
  double x = 0;
  FT_UInt previous = 0;
  const std::vector<uint32_t> codes = DecodeUtf8(text);
  for (size_t i = 0; i < codes.size(); ++i) {
    const FT_UInt index = FT_Get_Char_Index(face, codes[i]);
    if (previous && index && FT_HAS_KERNING(face)) {
      FT_Vector kern{};
      FT_Get_Kerning(face, previous, index, FT_KERNING_UNSCALED, &kern);
      x += kern.x * scale;
    }
    if (FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) == 0 &&
        face->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
      Walk walk{&shape.d, scale, x};
      FT_Outline_Decompose(&face->glyph->outline, &funcs, &walk);
      x += face->glyph->advance.x * scale;
    }
    if (i + 1 < codes.size()) x += letterSpacing;
    previous = index;
  }
  if (!shape.d.empty()) shape.d += "Z";
  shape.width = x;
  return shape;
}

}  // namespace artgen
