// A plain RGBA picture in memory with the few operations the contact sheets need: loading PNG
// and JPEG, drawing with a handle, scale, alpha and additive light, colour filters, saving PNG.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Canvas {
  int w = 0, h = 0;
  std::vector<float> px;  // RGBA, 0..1, not premultiplied

  Canvas() = default;
  Canvas(int width, int height, float r = 0, float g = 0, float b = 0, float a = 1);
  bool ok() const { return w > 0 && h > 0; }
  float* at(int x, int y) { return &px[(static_cast<size_t>(y) * w + x) * 4]; }
  const float* at(int x, int y) const { return &px[(static_cast<size_t>(y) * w + x) * 4]; }
  // Bilinear sample with transparent outside.
  void Sample(float x, float y, float out[4]) const;
};

Canvas LoadPicture(const std::string& path);  // PNG or JPEG; empty canvas on failure
bool SavePng(const Canvas& c, const std::string& path);

struct DrawOptions {
  float hx = 0, hy = 0;  // handle in source pixels
  float scale = 1;
  float alpha = 1;
  bool additive = false;
  float tint[3] = {1, 1, 1};
  // Source rectangle (w = 0: the whole picture).
  float sx = 0, sy = 0, sw = 0, sh = 0;
};
void Draw(Canvas& dst, const Canvas& src, float x, float y, const DrawOptions& o = {});
void FillRect(Canvas& dst, int x, int y, int w, int h, float r, float g, float b, float a = 1);

enum class Vision { Normal, Grey, Deuteranopia, Protanopia, Tritanopia };
Canvas Filter(const Canvas& c, Vision v);
