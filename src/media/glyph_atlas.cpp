#include <cstring>

#include "media/font_types.h"

namespace media_internal {

bool GlyphAtlas::Add(const uint8_t* coverage, int width, int height, int pitch, FontGlyph& glyph) {
  constexpr int kPad = 1;  // keeps filtered neighbours from bleeding into each other
  if (width <= 0 || height <= 0 || width + 2 * kPad > kPageSize || height + 2 * kPad > kPageSize)
    return false;
  if (pages_.empty() || penX_ + width + 2 * kPad > kPageSize) {
    penX_ = 0;
    penY_ += rowHeight_;
    rowHeight_ = 0;
  }
  if (pages_.empty() || penY_ + height + 2 * kPad > kPageSize) {
    if (static_cast<int>(pages_.size()) >= kMaxPages) return false;
    auto page = std::make_unique<GpuTexture>();
    page->width = page->height = kPageSize;
    page->rgba.assign(size_t(kPageSize) * kPageSize * 4, 0);
    // White everywhere; the glyph's coverage goes into alpha so the draw colour tints it.
    for (size_t i = 0; i < page->rgba.size(); i += 4)
      page->rgba[i] = page->rgba[i + 1] = page->rgba[i + 2] = 0xFF;
    page->filtered = filtered_;
    pages_.push_back(std::move(page));
    penX_ = penY_ = rowHeight_ = 0;
  }
  GpuTexture& page = *pages_.back();
  const int x0 = penX_ + kPad, y0 = penY_ + kPad;
  for (int y = 0; y < height; ++y) {
    const uint8_t* src = coverage + ptrdiff_t(y) * pitch;
    uint8_t* dst = &page.rgba[(size_t(y0 + y) * kPageSize + size_t(x0)) * 4 + 3];
    for (int x = 0; x < width; ++x) dst[size_t(x) * 4] = src[x];
  }
  page.dirty = true;
  glyph.page = &page;
  glyph.width = width;
  glyph.height = height;
  glyph.u0 = float(x0) / kPageSize;
  glyph.v0 = float(y0) / kPageSize;
  glyph.u1 = float(x0 + width) / kPageSize;
  glyph.v1 = float(y0 + height) / kPageSize;
  penX_ += width + 2 * kPad;
  if (height + 2 * kPad > rowHeight_) rowHeight_ = height + 2 * kPad;
  return true;
}

}  // namespace media_internal
