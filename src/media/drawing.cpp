// The drawing state and the draw calls. Every call turns into textured quads handed to the
// back end (which batches them), or into a recorded entry on the null back end.
#include <algorithm>
#include <cmath>

#include "media/drawing_state.h"
#include "media/graphics.h"
#include "media/picture_types.h"
#include "media/system.h"

namespace media_internal {

namespace {

DrawingState state;

int ClampByte(int v) {
  return std::clamp(v, 0, 255);
}

}  // namespace

RecordedDraw Record(RecordedDraw::Kind kind, float x, float y) {
  RecordedDraw d;
  d.kind = kind;
  d.x = x;
  d.y = y;
  d.r = state.r;
  d.g = state.g;
  d.b = state.b;
  d.alpha = state.alpha;
  d.blend = state.blend;
  d.rotation = state.rotation;
  d.scaleX = state.scaleX;
  d.scaleY = state.scaleY;
  return d;
}

DrawingState& Drawing() {
  return state;
}

void ResetDrawing() {
  state = DrawingState();
  state.UpdateMatrix();
  state.UpdateColour();
}

void DrawingState::UpdateMatrix() {
  const double radians = static_cast<double>(rotation) * 3.14159265358979323846 / 180.0;
  const float c = static_cast<float>(std::cos(radians)), s = static_cast<float>(std::sin(radians));
  m00 = c * scaleX;
  m01 = -s * scaleY;
  m10 = s * scaleX;
  m11 = c * scaleY;
}

void DrawingState::UpdateColour() {
  const float a = std::clamp(alpha, 0.0f, 1.0f);
  const auto alphaByte = static_cast<uint32_t>(std::lround(a * 255.0f));
  packedColour = uint32_t(ClampByte(r)) | uint32_t(ClampByte(g)) << 8 |
                 uint32_t(ClampByte(b)) << 16 | alphaByte << 24;
}

void EmitQuad(GpuTexture* texture, float x, float y, float lx0, float ly0, float lx1, float ly1,
              float u0, float v0, float u1, float v1) {
  BatchVertex q[4];
  const float m00 = state.m00, m01 = state.m01, m10 = state.m10, m11 = state.m11;
  const uint32_t colour = state.packedColour;
  q[0] = {x + lx0 * m00 + ly0 * m01, y + lx0 * m10 + ly0 * m11, u0, v0, colour};
  q[1] = {x + lx1 * m00 + ly0 * m01, y + lx1 * m10 + ly0 * m11, u1, v0, colour};
  q[2] = {x + lx1 * m00 + ly1 * m01, y + lx1 * m10 + ly1 * m11, u1, v1, colour};
  q[3] = {x + lx0 * m00 + ly1 * m01, y + lx0 * m10 + ly1 * m11, u0, v1, colour};
  Video().Quad(texture, state.blend, state.clip, q);
}

}  // namespace media_internal

using media_internal::Drawing;
using media_internal::DrawsAreRecorded;
using media_internal::EmitQuad;
using media_internal::Record;
using media_internal::RecordDraw;
using media_internal::Video;
using media_internal::WhiteTexture;

void SetDrawColour(int r, int g, int b) {
  auto& s = Drawing();
  s.r = r;
  s.g = g;
  s.b = b;
  s.UpdateColour();
}

void GetDrawColour(int& r, int& g, int& b) {
  r = Drawing().r;
  g = Drawing().g;
  b = Drawing().b;
}

void SetDrawAlpha(float a) {
  Drawing().alpha = a;
  Drawing().UpdateColour();
}

float GetDrawAlpha() {
  return Drawing().alpha;
}

void SetBlendMode(int mode) {
  if (mode < kBlendMasked || mode > kBlendShade) return;
  Drawing().blend = mode;
}

int GetBlendMode() {
  return Drawing().blend;
}

void SetDrawRotation(float degrees) {
  Drawing().rotation = degrees;
  Drawing().UpdateMatrix();
}

float GetDrawRotation() {
  return Drawing().rotation;
}

void SetDrawScale(float sx, float sy) {
  Drawing().scaleX = sx;
  Drawing().scaleY = sy;
  Drawing().UpdateMatrix();
}

void GetDrawScale(float& sx, float& sy) {
  sx = Drawing().scaleX;
  sy = Drawing().scaleY;
}

void SetDrawOrigin(float x, float y) {
  Drawing().originX = x;
  Drawing().originY = y;
}

void GetDrawOrigin(float& x, float& y) {
  x = Drawing().originX;
  y = Drawing().originY;
}

void SetClipRect(float x, float y, float w, float h) {
  Drawing().clip = {x, y, std::max(w, 0.0f), std::max(h, 0.0f)};
}

void GetClipRect(float& x, float& y, float& w, float& h) {
  const auto& c = Drawing().clip;
  x = c.x;
  y = c.y;
  w = c.w;
  h = c.h;
}

void SetClearColour(int r, int g, int b) {
  Drawing().clearR = r;
  Drawing().clearG = g;
  Drawing().clearB = b;
}

void GetClearColour(int& r, int& g, int& b) {
  r = Drawing().clearR;
  g = Drawing().clearG;
  b = Drawing().clearB;
}

void ClearBackBuffer() {
  const auto& s = Drawing();
  Video().Clear(std::clamp(s.clearR, 0, 255), std::clamp(s.clearG, 0, 255),
                std::clamp(s.clearB, 0, 255));
}

void SetLogicalResolution(float width, float height) {
  if (!(width > 0) || !(height > 0)) return;
  auto& s = Drawing();
  if (s.logicalWidth == width && s.logicalHeight == height) return;
  s.logicalWidth = width;
  s.logicalHeight = height;
  Video().LogicalSizeChanged();
}

float LogicalWidth() {
  return Drawing().logicalWidth;
}

float LogicalHeight() {
  return Drawing().logicalHeight;
}

void DrawImageAt(TImage* image, float x, float y, int /*frame*/) {
  if (!image) return;
  const auto& s = Drawing();
  x += s.originX;
  y += s.originY;
  if (DrawsAreRecorded()) {
    auto d = Record(RecordedDraw::Image, x, y);
    d.image = image;
    d.w = static_cast<float>(image->width());
    d.h = static_cast<float>(image->height());
    d.hx = image->handleX;
    d.hy = image->handleY;
    RecordDraw(d);
    return;
  }
  const float w = static_cast<float>(image->width()), h = static_cast<float>(image->height());
  EmitQuad(image->texture.get(), x, y, -image->handleX, -image->handleY, w - image->handleX,
           h - image->handleY, 0, 0, 1, 1);
}

void DrawImageRect(TImage* image, float x, float y, float w, float h, float sx, float sy, float sw,
                   float sh, float hx, float hy, int /*frame*/) {
  if (!image) return;
  const auto& s = Drawing();
  x += s.originX;
  y += s.originY;
  if (DrawsAreRecorded()) {
    auto d = Record(RecordedDraw::ImageRect, x, y);
    d.image = image;
    d.w = w;
    d.h = h;
    d.sx = sx;
    d.sy = sy;
    d.sw = sw;
    d.sh = sh;
    d.hx = hx;
    d.hy = hy;
    RecordDraw(d);
    return;
  }
  if (sw == 0 || sh == 0) return;
  const float kx = w / sw, ky = h / sh;
  const float tw = static_cast<float>(image->width()), th = static_cast<float>(image->height());
  EmitQuad(image->texture.get(), x, y, -hx * kx, -hy * ky, w - hx * kx, h - hy * ky, sx / tw,
           sy / th, (sx + sw) / tw, (sy + sh) / th);
}

void FillRect(float x, float y, float w, float h) {
  const auto& s = Drawing();
  x += s.originX;
  y += s.originY;
  if (DrawsAreRecorded()) {
    auto d = Record(RecordedDraw::Fill, x, y);
    d.w = w;
    d.h = h;
    RecordDraw(d);
    return;
  }
  EmitQuad(WhiteTexture(), x, y, 0, 0, w, h, 0.5f, 0.5f, 0.5f, 0.5f);
}

void DrawLineSeg(float x1, float y1, float x2, float y2, bool lastPixel) {
  const auto& s = Drawing();
  // The far end is turned and scaled around the near one, like every shape around its position.
  float dx, dy;
  s.Transform(x2 - x1, y2 - y1, dx, dy);
  x1 += s.originX;
  y1 += s.originY;
  if (DrawsAreRecorded()) {
    auto d = Record(RecordedDraw::Line, x1, y1);
    d.w = x1 + dx;
    d.h = y1 + dy;
    RecordDraw(d);
    return;
  }
  const float length = std::sqrt(dx * dx + dy * dy);
  if (length < 1e-4f) {
    if (!lastPixel) return;
    dx = 1;
    dy = 0;
  } else {
    dx /= length;
    dy /= length;
  }
  // A one-pixel-wide quad through the pixel centres, from the first pixel's near edge to the
  // last pixel's far edge (or its near edge without the last pixel).
  const float cx = x1 + 0.5f, cy = y1 + 0.5f;
  const float start = -0.5f, end = length + (lastPixel ? 0.5f : -0.5f);
  if (end <= start) return;
  const float nx = -dy * 0.5f, ny = dx * 0.5f;
  media_internal::BatchVertex q[4];
  const uint32_t colour = s.packedColour;
  q[0] = {cx + dx * start + nx, cy + dy * start + ny, 0.5f, 0.5f, colour};
  q[1] = {cx + dx * end + nx, cy + dy * end + ny, 0.5f, 0.5f, colour};
  q[2] = {cx + dx * end - nx, cy + dy * end - ny, 0.5f, 0.5f, colour};
  q[3] = {cx + dx * start - nx, cy + dy * start - ny, 0.5f, 0.5f, colour};
  Video().Quad(WhiteTexture(), s.blend, s.clip, q);
}
