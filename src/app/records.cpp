// Functions of the small value records: constructors, copies, interpolation and colour helpers.
#include "app/records.h"

#include <algorithm>
#include <climits>

#include "media/media.h"
#include "textdata/numbers.h"

namespace {

float NearbyChannel(float value, int n) {
  float moved = value + static_cast<float>(RandomInt(-n, n));
  return std::clamp(moved, 0.0f, 255.0f);
}

}  // namespace

TRGB TRGB::GetClose(int n) const {
  if (n < 0) n = n == INT_MIN ? INT_MAX : -n;  // the range [-n, n] is symmetric either way
  // Beyond a few hundred every draw clamps to 0 or 255 anyway; keep the range small enough that
  // the generator's arithmetic cannot overflow.
  n = std::min(n, 1 << 16);
  TRGB out;
  // The draws come in the order b, g, r so a seeded run reproduces the same colours.
  out.b = NearbyChannel(b, n);
  out.g = NearbyChannel(g, n);
  out.r = NearbyChannel(r, n);
  return out;
}

TDim CreateDim(float x, float y) {
  TDim d;
  d.x = x;
  d.y = y;
  return d;
}

TAlpha CreateAlpha(float a) {
  return TAlpha{a};
}

TScale CreateScale(float sx, float sy) {
  return TScale{sx, sy};
}

TRGB CreateRGB(float r, float g, float b) {
  TRGB c;
  c.r = r;
  c.g = g;
  c.b = b;
  return c;
}

std::optional<TDim> CopyDim(const std::optional<TDim>& d) {
  return d;
}
std::optional<TShadow> CopyShadow(const std::optional<TShadow>& s) {
  return s;
}
std::optional<TAlpha> CopyAlpha(const std::optional<TAlpha>& a) {
  return a;
}
std::optional<TScale> CopyScale(const std::optional<TScale>& s) {
  return s;
}
std::optional<TRGB> CopyRGB(const std::optional<TRGB>& c) {
  return c;
}

float Lerp(float a, float b, float t) {
  return a + (b - a) * t;
}

TRGB LerpRGB(const TRGB& a, const TRGB& b, float t, TRGB* out) {
  TRGB result = CreateRGB(Lerp(a.r, b.r, t), Lerp(a.g, b.g, t), Lerp(a.b, b.b, t));
  if (out) *out = result;
  return result;
}

void SetScaleBetween(const TScale& a, const TScale& b, float t) {
  SetDrawScale(Lerp(a.sx, b.sx, t), Lerp(a.sy, b.sy, t));
}

void SetColorRGB(const TRGB& c) {
  SetDrawColour(TruncToInt(c.r), TruncToInt(c.g), TruncToInt(c.b));
}
