// The null back end: no window and no GL. Modes "open" at the size asked for; draws are
// recorded by the drawing front end instead of rendered.
#include "media/video_backend.h"

namespace media_internal {
namespace {

class NullVideo final : public VideoBackend {
 public:
  bool IsNull() const override { return true; }
  bool OpenMode(int width, int height, bool fullscreen) override {
    if (width <= 0 || height <= 0) return false;
    width_ = width;
    height_ = height;
    fullscreen_ = fullscreen;
    open_ = true;
    return true;
  }
  bool ModeOpen() const override { return open_; }
  bool Fullscreen() const override { return fullscreen_; }
  int PhysicalWidth() const override { return width_; }
  int PhysicalHeight() const override { return height_; }

 private:
  bool open_ = false;
  bool fullscreen_ = false;
  int width_ = 0;
  int height_ = 0;
};

std::unique_ptr<VideoBackend> active;
bool recording = false;

}  // namespace

std::unique_ptr<VideoBackend> MakeNullVideo() {
  return std::make_unique<NullVideo>();
}

VideoBackend& Video() {
  static NullVideo quiet;
  return active ? *active : quiet;
}

void SetVideo(std::unique_ptr<VideoBackend> backend) {
  active.reset();  // the old one goes first: only one window and context at a time
  active = std::move(backend);
  recording = active && active->IsNull();
}

bool DrawsAreRecorded() {
  return recording;
}

}  // namespace media_internal
