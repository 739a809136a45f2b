// Process-level services: diagnostics, message boxes, ending the process, starting and
// stopping the media layer with the chosen back end, the frame hook and the draw record.
#include "media/system.h"

#include <SDL.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>

#include "media/drawing_state.h"
#include "media/graphics.h"
#include "media/internal.h"
#include "media/video_backend.h"

namespace media_internal {

void ResetFrameCounters();
void ClearFrameHook();

namespace {

MediaConfig config;
bool started = false;
std::vector<RecordedDraw> recorded;
// A long logic run on the null back end must not grow the record without bound: past this
// many entries the oldest half is dropped.
constexpr size_t kMaxRecordedDraws = 1 << 18;

}  // namespace

void RecordDraw(const RecordedDraw& draw) {
  if (recorded.size() >= kMaxRecordedDraws)
    recorded.erase(recorded.begin(), recorded.begin() + kMaxRecordedDraws / 2);
  recorded.push_back(draw);
}

}  // namespace media_internal

void PrintLine(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

void ShowMessageBox(const std::string& text, int serious) {
  auto& video = media_internal::Video();
  const MediaConfig& c = CurrentMediaConfig();
  if (!c.headless && !video.IsNull()) {
    auto* window = static_cast<SDL_Window*>(video.NativeWindow());
    const char* title = window ? SDL_GetWindowTitle(window) : "Kelvaroth";
    const Uint32 kind = serious ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
    if (SDL_ShowSimpleMessageBox(kind, title && *title ? title : "Kelvaroth", text.c_str(),
                                 window) == 0)
      return;
  }
  PrintLine(text);
}

void EndProcess(int status) {
  std::fflush(stdout);
  ShutdownMedia();
  std::_Exit(status);
}

bool InitMedia(const MediaConfig& newConfig) {
  if (media_internal::started) ShutdownMedia();
  media_internal::config = newConfig;
  if (newConfig.headless) {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
  }
  std::unique_ptr<media_internal::VideoBackend> video;
  if (newConfig.backend == BackendKind::Real) {
    // A software OpenGL driver allocates its scene memory afresh every frame. Handing freed
    // memory back to the kernel at once makes every frame fault those pages in again, which
    // can cost more than the drawing itself; the game keeps a modest reserve instead.
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_TOP_PAD, 16 << 20);
    video = media_internal::MakeGlVideo();
    if (!video) return false;
  } else {
    video = media_internal::MakeNullVideo();
  }
  media_internal::ClockReset(newConfig.virtualClock);
  media_internal::InputReset();
  media_internal::ResetDrawing();
  media_internal::ResetFrameCounters();
  media_internal::recorded.clear();
  ResetCollisionLayers(0);
  media_internal::SetVideo(std::move(video));
  media_internal::AudioInit(newConfig.noAudio || newConfig.backend == BackendKind::Null);
  media_internal::started = true;
  return true;
}

void ShutdownMedia() {
  if (!media_internal::started) return;
  media_internal::AudioShutdown();
  media_internal::ClearFrameHook();
  media_internal::SetVideo(nullptr);
  media_internal::started = false;
}

const MediaConfig& CurrentMediaConfig() {
  return media_internal::config;
}

const std::vector<RecordedDraw>& RecordedDraws() {
  return media_internal::recorded;
}

void ClearRecordedDraws() {
  media_internal::recorded.clear();
}
