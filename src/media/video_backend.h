// The one interface behind which the window and renderer sit: the OpenGL back end draws real
// pixels, the null back end (logic tests) has no window and records what was drawn.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace media_internal {

// Pixels the renderer can draw from: a picture or a font atlas page. The CPU copy stays so a
// texture can be rebuilt when a new GL context is made and so collisions can read the alpha.
struct GpuTexture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;  // row-major, top row first, 4 bytes per pixel (straight alpha)
  bool filtered = true;
  bool mipmapped = false;
  // Owned by the back end that uploaded it; stale when the generation differs from the back
  // end's current one (the context was replaced).
  unsigned glName = 0;
  uint64_t glGeneration = 0;
  bool dirty = true;  // pixels changed since the last upload

  GpuTexture() = default;
  GpuTexture(const GpuTexture&) = delete;
  GpuTexture& operator=(const GpuTexture&) = delete;
  ~GpuTexture();
};

struct BatchVertex {
  float x, y;     // logical pixels
  float u, v;     // texture coordinates
  uint32_t rgba;  // colour and alpha, bytes R G B A in memory order
};

struct ClipBox {
  float x = 0, y = 0, w = 0, h = 0;
  bool operator==(const ClipBox&) const = default;
};

class VideoBackend {
 public:
  virtual ~VideoBackend() = default;
  virtual bool IsNull() const = 0;

  // Opens (or re-opens) the window; the GL context and every texture survive a re-open.
  virtual bool OpenMode(int width, int height, bool fullscreen) = 0;
  virtual bool ModeOpen() const = 0;
  virtual bool Fullscreen() const = 0;
  virtual void SetTitle(const std::string& /*utf8*/) {}
  virtual void SetIcon(const GpuTexture& /*pixels*/) {}
  virtual void SetCursorVisible(bool /*visible*/) {}
  virtual int PhysicalWidth() const = 0;
  virtual int PhysicalHeight() const = 0;
  // The logical resolution changed: the drawing surface follows it.
  virtual void LogicalSizeChanged() {}

  virtual void Clear(int /*r*/, int /*g*/, int /*b*/) {}
  virtual void Quad(GpuTexture* /*texture*/, int /*blend*/, const ClipBox& /*clip*/,
                    const BatchVertex* /*four*/) {}
  // Shows the frame; vsync waits for the display's retrace.
  virtual void Present(bool /*vsync*/) {}
  // True when presenting already waits for a retrace of at most 60 Hz (so no software pacing).
  virtual bool DisplayPaces() const { return false; }
  // The last presented frame at the logical size, 0xAARRGGBB, top row first.
  virtual bool ReadLastFrame(std::vector<uint32_t>& /*argb*/, int& /*w*/, int& /*h*/) {
    return false;
  }
  virtual void ReleaseTexture(GpuTexture& /*texture*/) {}
  // Window-system events, turned into the input hooks.
  virtual void PumpWindowEvents() {}
  // The native window for message boxes (SDL_Window*), null when there is none.
  virtual void* NativeWindow() const { return nullptr; }
};

// The active back end; before InitMedia (and after ShutdownMedia) a quiet null one.
VideoBackend& Video();
void SetVideo(std::unique_ptr<VideoBackend> backend);  // null restores the quiet one
bool DrawsAreRecorded();                               // the null back end chosen by InitMedia

std::unique_ptr<VideoBackend> MakeNullVideo();
// Null (with a diagnostic) when the window library or OpenGL 3.3 cannot be started.
std::unique_ptr<VideoBackend> MakeGlVideo();

}  // namespace media_internal
