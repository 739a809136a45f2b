// The small value records the whole game uses: rectangles, shadows, alphas, scales and colours.
// All fields are 32-bit floats, 0 when new; copied by value.
#pragma once

#include <optional>

struct TDim {
  float x = 0, y = 0, w = 0, h = 0, cx = 0, cy = 0;
};

struct TShadow {
  float x = 0, y = 0, a = 0;
};

struct TAlpha {
  float a = 0;
};

struct TScale {
  float sx = 0, sy = 0;
};

struct TRGB {
  float r = 0, g = 0, b = 0;
  // A colour near this one: each channel plus a random whole number in [-n, n] (drawn b, g, r),
  // clamped to 0..255. The receiver is unchanged.
  TRGB GetClose(int n) const;
};

// Constructors with the fields given; the rest stay 0.
TDim CreateDim(float x, float y);
TAlpha CreateAlpha(float a);
TScale CreateScale(float sx, float sy);
TRGB CreateRGB(float r, float g, float b);

// Deep copies of records that may be absent (an absent record copies as absent).
std::optional<TDim> CopyDim(const std::optional<TDim>& d);
std::optional<TShadow> CopyShadow(const std::optional<TShadow>& s);
std::optional<TAlpha> CopyAlpha(const std::optional<TAlpha>& a);
std::optional<TScale> CopyScale(const std::optional<TScale>& s);
std::optional<TRGB> CopyRGB(const std::optional<TRGB>& c);

// a + (b - a) * t
float Lerp(float a, float b, float t);
// The channel-wise Lerp of a and b, written into out when given, and returned.
TRGB LerpRGB(const TRGB& a, const TRGB& b, float t, TRGB* out = nullptr);
// Drawing scale = (Lerp(a.sx, b.sx, t), Lerp(a.sy, b.sy, t)).
void SetScaleBetween(const TScale& a, const TScale& b, float t);
// Drawing colour = the three channels truncated toward zero.
void SetColorRGB(const TRGB& c);
