// The media clock (real or virtual) and the seeded Lehmer generator.
#include "media/clock_random.h"

#include <chrono>
#include <climits>
#include <cmath>

#include "media/internal.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

// Milliseconds are counted in 64 bits and only clamped when handed out as int, so the value
// never wraps; the +1 keeps 0 free for the game's "not set" timers.
struct ClockState {
  SteadyClock::time_point start = SteadyClock::now();
  bool virtualOn = false;
  int64_t virtualMs = 0;
  int frameInPattern = 0;
};

ClockState& Clock() {
  static ClockState state;
  return state;
}

int64_t RealElapsedMs() {
  auto elapsed = SteadyClock::now() - Clock().start;
  return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
}

int64_t ElapsedMs() {
  return Clock().virtualOn ? Clock().virtualMs : RealElapsedMs();
}

constexpr int32_t kModulus = 2147483647;  // 2^31 - 1
constexpr int32_t kMultiplier = 48271;
constexpr int32_t kSchrageQ = 44488;  // kModulus / kMultiplier
constexpr int32_t kSchrageR = 3399;   // kModulus % kMultiplier
constexpr int32_t kFallbackState = 4660;

int32_t g_randomState = kFallbackState;

int32_t NextState() {
  const int32_t hi = g_randomState / kSchrageQ;
  const int32_t lo = g_randomState % kSchrageQ;
  int32_t t = kMultiplier * lo - kSchrageR * hi;
  if (t <= 0) t += kModulus;
  g_randomState = t;
  return t;
}

// u in [0, 1) from two successive states s1, s2 (each 1 .. m-1): the pair read as the two digits
// of a number in base m-1, ((s1-1)(m-1) + (s2-1)) / (m-1)^2, so every pair of states gives its
// own u with 62 bits of resolution. The division runs in long double (exact on x86) and the
// result is kept strictly below 1 after rounding to double.
double NextUnit() {
  const int64_t base = kModulus - 1;
  const int64_t s1 = NextState() - 1;
  const int64_t s2 = NextState() - 1;
  const long double k = static_cast<long double>(s1 * base + s2);
  const long double span = static_cast<long double>(base) * static_cast<long double>(base);
  double u = static_cast<double>(k / span);
  if (u >= 1.0) u = std::nextafter(1.0, 0.0);
  return u;
}

}  // namespace

int MillisecondClock() {
  const int64_t ms = ElapsedMs() + 1;
  if (ms < 1) return 1;
  return ms > INT_MAX ? INT_MAX : static_cast<int>(ms);
}

void UseVirtualClock(bool on) {
  ClockState& c = Clock();
  if (on == c.virtualOn) return;
  // Either way the clock continues from where it stands, so it never runs backwards.
  if (on) {
    c.virtualMs = RealElapsedMs();
    c.frameInPattern = 0;
  } else {
    c.start = SteadyClock::now() - std::chrono::milliseconds(c.virtualMs);
  }
  c.virtualOn = on;
}

bool VirtualClockInUse() {
  return Clock().virtualOn;
}

void AdvanceVirtualClock(int ms) {
  if (Clock().virtualOn && ms > 0) Clock().virtualMs += ms;
}

void SeedRandom(int64_t seed) {
  g_randomState = static_cast<int32_t>(seed & kModulus);
  if (g_randomState == 0 || g_randomState == kModulus) g_randomState = kFallbackState;
}

float RandomFloat(float a, float b) {
  const float lo = std::fmin(a, b);
  const float hi = std::fmax(a, b);
  const double u = NextUnit();
  if (!(hi > lo)) return lo;
  float r = static_cast<float>(lo + u * (static_cast<double>(hi) - lo));
  // Rounding to float can land on the upper end, which the range excludes.
  if (r >= hi) r = std::nextafter(hi, lo);
  if (r < lo) r = lo;
  return r;
}

int RandomInt(int a, int b) {
  const int64_t lo = a < b ? a : b;
  const int64_t hi = a < b ? b : a;
  const int64_t count = hi - lo + 1;
  int64_t step = static_cast<int64_t>(NextUnit() * static_cast<double>(count));
  if (step >= count) step = count - 1;
  return static_cast<int>(lo + step);
}

int32_t RandomState() {
  return g_randomState;
}

namespace media_internal {

void ClockReset(bool virtualClock) {
  ClockState& c = Clock();
  c.start = SteadyClock::now();
  c.virtualOn = virtualClock;
  c.virtualMs = 0;
  c.frameInPattern = 0;
}

void ClockOnFramePresented() {
  ClockState& c = Clock();
  if (!c.virtualOn) return;
  // 16, 17, 17: three frames take 50 ms, so sixty take exactly one second.
  c.virtualMs += c.frameInPattern == 0 ? 16 : 17;
  c.frameInPattern = (c.frameInPattern + 1) % 3;
}

}  // namespace media_internal
