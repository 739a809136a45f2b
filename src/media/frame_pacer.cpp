#include "media/frame_pacer.h"

#include <thread>

namespace media_internal {

void FramePacer::SetRate(int framesPerSecond) {
  const int rate = framesPerSecond <= 0 ? 60 : framesPerSecond;
  if (rate != rate_) started_ = false;
  rate_ = rate;
}

FramePacer::Clock::duration FramePacer::NextWait(Clock::time_point now) {
  using std::chrono::milliseconds;
  if (!started_) {
    started_ = true;
    base_ = now;
    frame_ = 0;
    return Clock::duration::zero();
  }
  ++frame_;
  if (frame_ > rate_) {  // keep the numbers small: one second is exactly `rate_` frames
    base_ += std::chrono::seconds(1);
    frame_ -= rate_;
  }
  // Whole milliseconds per frame, the remainder spread one by one: 16, 17, 17 at 60 Hz.
  const auto due = base_ + milliseconds(frame_ * 1000 / rate_);
  if (now >= due) {
    if (now - due > milliseconds(1000 / rate_ + 1)) {
      base_ = now;
      frame_ = 0;
    }
    return Clock::duration::zero();
  }
  return due - now;
}

void FramePacer::Wait() {
  const auto wait = NextWait(Clock::now());
  if (wait > Clock::duration::zero()) std::this_thread::sleep_for(wait);
}

}  // namespace media_internal
