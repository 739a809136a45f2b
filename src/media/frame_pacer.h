// Paces presented frames to a rate by sleeping (never spinning): at 60 Hz frames are due every
// 16, 17, 17 ms, which keeps exactly 60 frames a second. A frame that runs late by more than a
// frame starts a new schedule, so the game never races to catch up.
#pragma once

#include <chrono>

namespace media_internal {

class FramePacer {
 public:
  using Clock = std::chrono::steady_clock;

  void SetRate(int framesPerSecond);
  void Reset() { started_ = false; }
  // How long to sleep before presenting the frame that is being finished at `now`; also
  // advances the schedule.
  Clock::duration NextWait(Clock::time_point now);
  // Sleeps for NextWait(now).
  void Wait();

 private:
  int rate_ = 60;
  bool started_ = false;
  Clock::time_point base_{};
  long long frame_ = 0;
};

}  // namespace media_internal
