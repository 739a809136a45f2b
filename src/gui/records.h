// The small value records the whole game uses: rectangles, shadows, alphas, scales and colours.
// All fields are 32-bit floats, 0 when new; copied by value.
#pragma once

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
