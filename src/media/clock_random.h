// Time and chance. Game logic reads time and random numbers only through these, so a scripted or
// tested run on the virtual clock with a fixed seed repeats exactly.
#pragma once

#include <cstdint>

// Milliseconds since the media layer started, plus one: monotonic, never 0, never wrapping
// during a run. Under the virtual clock it advances only when told (or per presented frame).
int MillisecondClock();

// The virtual clock: when on, the clock stands still except for AdvanceVirtualClock and the
// 16/17/17 ms pattern applied by each PresentFrame.
void UseVirtualClock(bool on);
bool VirtualClockInUse();
void AdvanceVirtualClock(int ms);

// Lehmer minimal standard generator (48271, 2^31-1, Schrage 44488/3399).
void SeedRandom(int64_t seed);
float RandomFloat(float a, float b);  // [min, max)
int RandomInt(int a, int b);          // [min, max], both ends reachable
// The generator state, for tests.
int32_t RandomState();
