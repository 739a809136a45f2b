// Small numeric helpers of the board code: degree trigonometry, truncation toward zero and the
// per-frame "move toward a target" step.
#pragma once

#include <cmath>
#include <limits>

#include "textdata/numbers.h"

inline float SinDeg(float deg) {
  return std::sin(deg * 0.017453292519943295f);
}
inline float CosDeg(float deg) {
  return std::cos(deg * 0.017453292519943295f);
}

// Truncates toward zero; NaN gives 0 and values beyond the int range are clamped, so damaged
// data can never cause undefined behaviour.
inline int TruncInt(double v) {
  return TruncToInt(v);
}

// Moves value toward target by step without passing it.
inline float StepToward(float value, float target, float step) {
  if (value < target) return value + step > target ? target : value + step;
  if (value > target) return value - step < target ? target : value - step;
  return value;
}
