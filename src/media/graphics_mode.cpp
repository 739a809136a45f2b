// The graphics mode, window decorations, presenting frames at 60 per second, and the event
// pump that feeds the input state.
#include <algorithm>
#include <functional>

#include "media/clock_random.h"
#include "media/drawing_state.h"
#include "media/files.h"
#include "media/frame_pacer.h"
#include "media/graphics.h"
#include "media/input.h"
#include "media/internal.h"
#include "media/picture_codecs.h"
#include "media/system.h"
#include "media/video_backend.h"

namespace media_internal {
namespace {

FramePacer pacer;
int modeHertz = 60;
long long presentedFrames = 0;
std::function<void()> frameHook;
bool inFrameHook = false;

}  // namespace

void ResetFrameCounters() {
  presentedFrames = 0;
  pacer.Reset();
  modeHertz = 60;
}

void ClearFrameHook() {
  frameHook = nullptr;
}

}  // namespace media_internal

using media_internal::Video;

int OpenGraphicsMode(int width, int height, int depth, int hertz, int /*flags*/) {
  if (!Video().OpenMode(width, height, depth != 0)) return 0;
  media_internal::modeHertz = hertz > 0 ? hertz : 60;
  media_internal::pacer.Reset();
  return 1;
}

bool GraphicsModeIsOpen() {
  return Video().ModeOpen();
}

bool IsFullscreen() {
  return Video().Fullscreen();
}

void SetWindowTitle(const std::string& utf8Title) {
  Video().SetTitle(utf8Title);
}

void SetWindowIconFromFile(const std::string& path) {
  std::string bytes, error;
  media_internal::DecodedPicture picture;
  if (!ReadFileBytes(path, bytes) ||
      !media_internal::DecodePicture(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(),
                                     picture, error))
    return;
  media_internal::GpuTexture pixels;
  pixels.width = picture.width;
  pixels.height = picture.height;
  pixels.rgba = std::move(picture.rgba);
  Video().SetIcon(pixels);
}

int PhysicalWidth() {
  return Video().PhysicalWidth();
}

int PhysicalHeight() {
  return Video().PhysicalHeight();
}

void ShowOsCursor() {
  Video().SetCursorVisible(true);
}

void HideOsCursor() {
  Video().SetCursorVisible(false);
}

void PresentFrame(int sync) {
  auto& video = Video();
  const bool virtualClock = VirtualClockInUse();
  if (!virtualClock && sync != 0 && !video.DisplayPaces()) {
    // Never faster than 60 frames a second, whatever rate was asked for.
    const int rate = std::min(sync > 0 ? sync : media_internal::modeHertz, 60);
    media_internal::pacer.SetRate(rate);
    media_internal::pacer.Wait();
  }
  video.Present(sync != 0);
  if (virtualClock) media_internal::ClockOnFramePresented();
  media_internal::AudioOnFrame();
  ++media_internal::presentedFrames;
  if (media_internal::frameHook && !media_internal::inFrameHook) {
    media_internal::inFrameHook = true;
    auto hook = media_internal::frameHook;  // the hook may replace itself
    hook();
    media_internal::inFrameHook = false;
  }
}

void PumpEvents() {
  Video().PumpWindowEvents();
  media_internal::InputApplyInjected();
}

void SetFrameHook(std::function<void()> hook) {
  media_internal::frameHook = std::move(hook);
}

long long PresentedFrames() {
  return media_internal::presentedFrames;
}
