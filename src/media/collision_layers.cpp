// Pixel-exact collision layers: a picture's opaque pixels, placed as DrawImageAt would place
// them (origin, handle, scale and rotation), are kept as shapes in up to 32 layers. Two shapes
// overlap when some screen pixel's centre falls on an opaque pixel of both.
#include <algorithm>
#include <cmath>
#include <memory>

#include "media/drawing_state.h"
#include "media/graphics.h"
#include "media/picture_types.h"

namespace {

constexpr float kFarAway = 65536.0f;  // keeps shapes scaled beyond reason from overflowing

struct Shape {
  int id = 0;
  std::shared_ptr<media_internal::GpuTexture> pixels;
  float x = 0, y = 0;                            // where the handle lands
  float hx = 0, hy = 0;                          // the handle
  float i00 = 0, i01 = 0, i10 = 0, i11 = 0;      // screen offset to picture offset
  int left = 0, top = 0, right = 0, bottom = 0;  // screen pixels it may cover, end exclusive

  bool Covers(int sx, int sy) const {
    const float cx = static_cast<float>(sx) + 0.5f - x, cy = static_cast<float>(sy) + 0.5f - y;
    const float u = i00 * cx + i01 * cy + hx, v = i10 * cx + i11 * cy + hy;
    if (!(u >= 0) || !(v >= 0) || u >= static_cast<float>(pixels->width) ||
        v >= static_cast<float>(pixels->height))
      return false;
    const int px = static_cast<int>(u), py = static_cast<int>(v);
    return pixels->rgba[(size_t(py) * size_t(pixels->width) + size_t(px)) * 4 + 3] >= 128;
  }
};

std::vector<std::shared_ptr<Shape>> layers[32];

std::shared_ptr<Shape> Place(TImage* image, float x, float y) {
  const auto& s = media_internal::Drawing();
  const float det = s.m00 * s.m11 - s.m01 * s.m10;
  if (!std::isfinite(det) || std::fabs(det) < 1e-12f) return nullptr;  // squashed to nothing
  auto shape = std::make_shared<Shape>();
  shape->pixels = image->texture;
  shape->x = x + s.originX;
  shape->y = y + s.originY;
  shape->hx = image->handleX;
  shape->hy = image->handleY;
  shape->i00 = s.m11 / det;
  shape->i01 = -s.m01 / det;
  shape->i10 = -s.m10 / det;
  shape->i11 = s.m00 / det;
  const float w = static_cast<float>(image->width()), h = static_cast<float>(image->height());
  const float cornersX[4] = {-shape->hx, w - shape->hx, w - shape->hx, -shape->hx};
  const float cornersY[4] = {-shape->hy, -shape->hy, h - shape->hy, h - shape->hy};
  float minX = kFarAway, minY = kFarAway, maxX = -kFarAway, maxY = -kFarAway;
  for (int i = 0; i < 4; ++i) {
    float ox, oy;
    s.Transform(cornersX[i], cornersY[i], ox, oy);
    minX = std::min(minX, shape->x + ox);
    maxX = std::max(maxX, shape->x + ox);
    minY = std::min(minY, shape->y + oy);
    maxY = std::max(maxY, shape->y + oy);
  }
  if (!(minX < maxX) || !(minY < maxY)) return nullptr;
  shape->left = static_cast<int>(std::floor(std::clamp(minX, -kFarAway, kFarAway)));
  shape->top = static_cast<int>(std::floor(std::clamp(minY, -kFarAway, kFarAway)));
  shape->right = static_cast<int>(std::ceil(std::clamp(maxX, -kFarAway, kFarAway))) + 1;
  shape->bottom = static_cast<int>(std::ceil(std::clamp(maxY, -kFarAway, kFarAway))) + 1;
  return shape;
}

bool Overlap(const Shape& a, const Shape& b) {
  const int left = std::max(a.left, b.left), right = std::min(a.right, b.right);
  const int top = std::max(a.top, b.top), bottom = std::min(a.bottom, b.bottom);
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      if (a.Covers(x, y) && b.Covers(x, y)) return true;
  return false;
}

}  // namespace

void ResetCollisionLayers(uint32_t mask) {
  for (int i = 0; i < 32; ++i)
    if (mask == 0 || (mask & (1u << i))) layers[i].clear();
}

std::vector<int> CollideImageAt(TImage* image, float x, float y, int /*frame*/, uint32_t testMask,
                                uint32_t writeMask, int id) {
  std::vector<int> hits;
  if (!image) return hits;
  auto shape = Place(image, x, y);
  if (!shape) return hits;
  shape->id = id;
  for (int i = 0; i < 32 && testMask; ++i) {
    if (!(testMask & (1u << i))) continue;
    for (const auto& other : layers[i]) {
      if (std::find(hits.begin(), hits.end(), other->id) != hits.end()) continue;
      if (Overlap(*shape, *other)) hits.push_back(other->id);
    }
  }
  for (int i = 0; i < 32 && writeMask; ++i)
    if (writeMask & (1u << i)) layers[i].push_back(shape);
  return hits;
}
