// The real back end: an SDL2 window with an OpenGL 3.3 core context. The game draws into one of
// two frame textures at the letterboxed viewport's size; presenting copies it to the window and
// keeps it readable for screenshots while the next frame goes into the other.
#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "media/drawing_state.h"
#include "media/gl_functions.h"
#include "media/internal.h"
#include "media/key_codes.h"
#include "media/sprite_batch.h"
#include "media/system.h"
#include "media/video_backend.h"

namespace media_internal {
namespace {

const char* const kVertexShader = R"(#version 330 core
layout(location = 0) in vec2 aPosition;
layout(location = 1) in vec2 aTexCoord;
layout(location = 2) in vec4 aColour;
uniform vec4 uProjection;
out vec2 vTexCoord;
out vec4 vColour;
void main() {
  gl_Position = vec4(aPosition * uProjection.xy + uProjection.zw, 0.0, 1.0);
  vTexCoord = aTexCoord;
  vColour = aColour;
}
)";

// Mode 1 (masked) drops fragments under half alpha and draws the rest opaque; mode 2 (solid)
// ignores alpha; the others leave it to the blend function.
const char* const kFragmentShader = R"(#version 330 core
in vec2 vTexCoord;
in vec4 vColour;
uniform sampler2D uTexture;
uniform int uMode;
out vec4 fragColour;
void main() {
  vec4 colour = texture(uTexture, vTexCoord) * vColour;
  if (uMode == 1) {
    if (colour.a < 0.5) discard;
    colour.a = 1.0;
  } else if (uMode == 2) {
    colour.a = 1.0;
  }
  fragColour = colour;
}
)";

uint64_t contextGenerations = 0;

struct FrameTarget {
  GLuint fbo = 0;
  GLuint texture = 0;
  int width = 0;
  int height = 0;
};

class GlVideo final : public VideoBackend, public BatchSink {
 public:
  GlVideo() = default;
  ~GlVideo() override;
  bool Start();

  bool IsNull() const override { return false; }
  bool OpenMode(int width, int height, bool fullscreen) override;
  bool ModeOpen() const override { return context_ != nullptr; }
  bool Fullscreen() const override { return fullscreen_; }
  void SetTitle(const std::string& utf8) override;
  void SetIcon(const GpuTexture& pixels) override;
  void SetCursorVisible(bool visible) override {
    SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
  }
  int PhysicalWidth() const override { return drawableWidth_; }
  int PhysicalHeight() const override { return drawableHeight_; }
  void LogicalSizeChanged() override;
  void Clear(int r, int g, int b) override;
  void Quad(GpuTexture* texture, int blend, const ClipBox& clip, const BatchVertex* four) override;
  void Present(bool vsync) override;
  bool DisplayPaces() const override { return fullscreen_ && vsyncOn_ && displayAt60_; }
  bool ReadLastFrame(std::vector<uint32_t>& argb, int& w, int& h) override;
  void ReleaseTexture(GpuTexture& texture) override;
  void PumpWindowEvents() override;
  void* NativeWindow() const override { return window_; }

  void DrawBatch(const BatchKey& key, const BatchVertex* vertices, int quadCount) override;

 private:
  bool CreateGpuObjects();
  void DestroyGpuObjects();
  GLuint Compile(GLenum kind, const char* source);
  void UpdateSurface();
  bool MakeTarget(FrameTarget& target, int width, int height);
  void DropTarget(FrameTarget& target);
  void Upload(GpuTexture& texture);
  void ApplyBlend(int blend);
  void ApplyClip(const ClipBox& clip);
  void SetScissor(bool on);
  void UpdateSuspension();
  void MouseToLogical(int wx, int wy, float& lx, float& ly) const;

  bool videoStarted_ = false;
  SDL_Window* window_ = nullptr;
  SDL_GLContext context_ = nullptr;
  GlFunctions gl_;
  uint64_t generation_ = 0;
  bool fullscreen_ = false;
  bool vsyncOn_ = false;
  bool displayAt60_ = false;
  std::string title_ = "Kelvaroth";

  GLuint program_ = 0, vao_ = 0, vbo_ = 0, ibo_ = 0;
  GLint projectionLocation_ = -1, modeLocation_ = -1;
  size_t vboOffsetVertices_ = 0;
  FrameTarget frames_[2];
  FrameTarget shot_;
  int current_ = 0, last_ = 0;
  bool presented_ = false;
  int drawableWidth_ = 0, drawableHeight_ = 0;
  int viewX_ = 0, viewY_ = 0, viewWidth_ = 0, viewHeight_ = 0;

  SpriteBatch batch_{this};
  GpuTexture* boundTexture_ = nullptr;
  int boundBlend_ = -1;
  ClipBox boundClip_{-1, -1, -1, -1};
  bool scissorOn_ = false;

  bool focused_ = true, minimised_ = false, suspended_ = false;
};

GlVideo::~GlVideo() {
  if (context_) {
    SDL_GL_MakeCurrent(window_, context_);
    DestroyGpuObjects();
    SDL_GL_DeleteContext(context_);
  }
  if (window_) SDL_DestroyWindow(window_);
  if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool GlVideo::Start() {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    PrintLine(std::string("Cannot start the video system: ") + SDL_GetError());
    return false;
  }
  videoStarted_ = true;
  return true;
}

bool GlVideo::OpenMode(int width, int height, bool fullscreen) {
  if (width <= 0 || height <= 0) return false;
  batch_.Flush();
  if (!window_) {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_ALLOW_HIGHDPI;
    if (fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    window_ = SDL_CreateWindow(title_.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               width, height, flags);
    if (!window_) {
      PrintLine(std::string("Cannot open the window: ") + SDL_GetError());
      return false;
    }
    context_ = SDL_GL_CreateContext(window_);
    const char* missing = nullptr;
    if (!context_ || SDL_GL_MakeCurrent(window_, context_) != 0 || !gl_.Load(&missing) ||
        !CreateGpuObjects()) {
      PrintLine(std::string("Cannot start OpenGL 3.3: ") +
                (missing ? std::string("no ") + missing : std::string(SDL_GetError())));
      if (context_) SDL_GL_DeleteContext(context_);
      context_ = nullptr;
      SDL_DestroyWindow(window_);
      window_ = nullptr;
      return false;
    }
    generation_ = ++contextGenerations;
  } else {
    SDL_SetWindowFullscreen(window_, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    if (!fullscreen) {
      SDL_SetWindowSize(window_, width, height);
      SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
  }
  fullscreen_ = fullscreen;
  // Full screen waits for the retrace; a window is paced in software (PresentFrame).
  vsyncOn_ = fullscreen && SDL_GL_SetSwapInterval(1) == 0;
  if (!fullscreen) SDL_GL_SetSwapInterval(0);
  SDL_DisplayMode mode;
  displayAt60_ = SDL_GetWindowDisplayMode(window_, &mode) == 0 && mode.refresh_rate > 0 &&
                 mode.refresh_rate <= 61;
  UpdateSurface();
  if (fullscreen) {
    int ww = 0, wh = 0;
    SDL_GetWindowSize(window_, &ww, &wh);
    SDL_WarpMouseInWindow(window_, ww / 2, wh / 2);
  }
  return true;
}

GLuint GlVideo::Compile(GLenum kind, const char* source) {
  GLuint shader = gl_.glCreateShader(kind);
  gl_.glShaderSource(shader, 1, &source, nullptr);
  gl_.glCompileShader(shader);
  GLint ok = 0;
  gl_.glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (!ok) {
    char log[512] = {};
    gl_.glGetShaderInfoLog(shader, sizeof log, nullptr, log);
    PrintLine(std::string("Shader error: ") + log);
    gl_.glDeleteShader(shader);
    return 0;
  }
  return shader;
}

bool GlVideo::CreateGpuObjects() {
  GLuint vs = Compile(GL_VERTEX_SHADER, kVertexShader);
  GLuint fs = Compile(GL_FRAGMENT_SHADER, kFragmentShader);
  if (!vs || !fs) return false;
  program_ = gl_.glCreateProgram();
  gl_.glAttachShader(program_, vs);
  gl_.glAttachShader(program_, fs);
  gl_.glLinkProgram(program_);
  gl_.glDeleteShader(vs);
  gl_.glDeleteShader(fs);
  GLint linked = 0;
  gl_.glGetProgramiv(program_, GL_LINK_STATUS, &linked);
  if (!linked) return false;
  gl_.glUseProgram(program_);
  projectionLocation_ = gl_.glGetUniformLocation(program_, "uProjection");
  modeLocation_ = gl_.glGetUniformLocation(program_, "uMode");
  gl_.glUniform1i(gl_.glGetUniformLocation(program_, "uTexture"), 0);

  gl_.glGenVertexArrays(1, &vao_);
  gl_.glBindVertexArray(vao_);
  gl_.glGenBuffers(1, &vbo_);
  gl_.glBindBuffer(GL_ARRAY_BUFFER, vbo_);
  gl_.glBufferData(GL_ARRAY_BUFFER, SpriteBatch::kMaxQuads * 4 * sizeof(BatchVertex), nullptr,
                   GL_STREAM_DRAW);
  const auto stride = static_cast<GLsizei>(sizeof(BatchVertex));
  gl_.glEnableVertexAttribArray(0);
  gl_.glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride,
                            reinterpret_cast<void*>(offsetof(BatchVertex, x)));
  gl_.glEnableVertexAttribArray(1);
  gl_.glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride,
                            reinterpret_cast<void*>(offsetof(BatchVertex, u)));
  gl_.glEnableVertexAttribArray(2);
  gl_.glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                            reinterpret_cast<void*>(offsetof(BatchVertex, rgba)));
  std::vector<GLushort> indices(SpriteBatch::kMaxQuads * 6);
  for (int q = 0; q < SpriteBatch::kMaxQuads; ++q) {
    const auto v = static_cast<GLushort>(q * 4);
    const GLushort quad[6] = {v, static_cast<GLushort>(v + 1), static_cast<GLushort>(v + 2),
                              v, static_cast<GLushort>(v + 2), static_cast<GLushort>(v + 3)};
    std::copy(quad, quad + 6, indices.begin() + q * 6);
  }
  gl_.glGenBuffers(1, &ibo_);
  gl_.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, ibo_);
  gl_.glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * 2),
                   indices.data(), GL_STATIC_DRAW);
  gl_.glActiveTexture(GL_TEXTURE0);
  gl_.glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  gl_.glPixelStorei(GL_PACK_ALIGNMENT, 1);
  return gl_.glGetError() == GL_NO_ERROR;
}

void GlVideo::DestroyGpuObjects() {
  DropTarget(frames_[0]);
  DropTarget(frames_[1]);
  DropTarget(shot_);
  if (ibo_) gl_.glDeleteBuffers(1, &ibo_);
  if (vbo_) gl_.glDeleteBuffers(1, &vbo_);
  if (vao_) gl_.glDeleteVertexArrays(1, &vao_);
  if (program_) gl_.glDeleteProgram(program_);
  ibo_ = vbo_ = vao_ = program_ = 0;
}

bool GlVideo::MakeTarget(FrameTarget& target, int width, int height) {
  DropTarget(target);
  gl_.glGenTextures(1, &target.texture);
  gl_.glBindTexture(GL_TEXTURE_2D, target.texture);
  gl_.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  gl_.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  gl_.glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                   nullptr);
  boundTexture_ = nullptr;
  gl_.glGenFramebuffers(1, &target.fbo);
  gl_.glBindFramebuffer(GL_FRAMEBUFFER, target.fbo);
  gl_.glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, target.texture,
                             0);
  target.width = width;
  target.height = height;
  if (gl_.glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    PrintLine("Cannot create a frame buffer of " + std::to_string(width) + "x" +
              std::to_string(height));
    return false;
  }
  SetScissor(false);
  gl_.glClearColor(0, 0, 0, 1);
  gl_.glClear(GL_COLOR_BUFFER_BIT);
  return true;
}

void GlVideo::DropTarget(FrameTarget& target) {
  if (target.fbo) gl_.glDeleteFramebuffers(1, &target.fbo);
  if (target.texture) gl_.glDeleteTextures(1, &target.texture);
  target = FrameTarget();
  boundTexture_ = nullptr;
}

// Fits the logical area into the drawable, letterboxed, and sizes the frame textures to it so
// that a high-density display gets full resolution.
void GlVideo::UpdateSurface() {
  if (!context_) return;
  batch_.Flush();
  SDL_GL_GetDrawableSize(window_, &drawableWidth_, &drawableHeight_);
  const auto& s = Drawing();
  const double scale =
      std::min(drawableWidth_ / double(s.logicalWidth), drawableHeight_ / double(s.logicalHeight));
  viewWidth_ = std::max(1, int(std::lround(s.logicalWidth * scale)));
  viewHeight_ = std::max(1, int(std::lround(s.logicalHeight * scale)));
  viewX_ = (drawableWidth_ - viewWidth_) / 2;
  viewY_ = (drawableHeight_ - viewHeight_) / 2;
  if (frames_[0].width != viewWidth_ || frames_[0].height != viewHeight_) {
    MakeTarget(frames_[0], viewWidth_, viewHeight_);
    MakeTarget(frames_[1], viewWidth_, viewHeight_);
    presented_ = false;
  }
  gl_.glBindFramebuffer(GL_FRAMEBUFFER, frames_[current_].fbo);
  gl_.glViewport(0, 0, viewWidth_, viewHeight_);
  gl_.glUniform4f(projectionLocation_, 2.0f / s.logicalWidth, -2.0f / s.logicalHeight, -1.0f, 1.0f);
  boundClip_ = {-1, -1, -1, -1};
}

void GlVideo::LogicalSizeChanged() {
  UpdateSurface();
}

void GlVideo::SetTitle(const std::string& utf8) {
  title_ = utf8;
  if (window_) SDL_SetWindowTitle(window_, utf8.c_str());
}

void GlVideo::SetIcon(const GpuTexture& pixels) {
  if (!window_ || pixels.rgba.empty()) return;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<uint8_t*>(pixels.rgba.data()), pixels.width, pixels.height, 32, pixels.width * 4,
      SDL_PIXELFORMAT_ABGR8888);
  if (!surface) return;
  SDL_SetWindowIcon(window_, surface);
  SDL_FreeSurface(surface);
}

void GlVideo::Clear(int r, int g, int b) {
  if (!context_) return;
  batch_.Flush();
  SetScissor(false);
  gl_.glClearColor(r / 255.0f, g / 255.0f, b / 255.0f, 1.0f);
  gl_.glClear(GL_COLOR_BUFFER_BIT);
}

void GlVideo::Quad(GpuTexture* texture, int blend, const ClipBox& clip, const BatchVertex* four) {
  if (!context_ || !texture) return;
  if (texture->dirty || texture->glName == 0 || texture->glGeneration != generation_) {
    if (batch_.Uses(texture)) batch_.Flush();
    Upload(*texture);
  }
  batch_.Add(BatchKey{texture, blend, clip}, four);
}

void GlVideo::Upload(GpuTexture& texture) {
  const bool fresh = texture.glName == 0 || texture.glGeneration != generation_;
  if (fresh) {
    gl_.glGenTextures(1, &texture.glName);
    texture.glGeneration = generation_;
  }
  gl_.glBindTexture(GL_TEXTURE_2D, texture.glName);
  boundTexture_ = nullptr;
  const GLint mag = texture.filtered ? GL_LINEAR : GL_NEAREST;
  const GLint min = !texture.mipmapped ? mag
                    : texture.filtered ? GL_LINEAR_MIPMAP_LINEAR
                                       : GL_NEAREST_MIPMAP_NEAREST;
  gl_.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, min);
  gl_.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, mag);
  gl_.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  gl_.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  if (fresh) {
    gl_.glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, texture.width, texture.height, 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, texture.rgba.data());
  } else {
    gl_.glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, texture.width, texture.height, GL_RGBA,
                        GL_UNSIGNED_BYTE, texture.rgba.data());
  }
  if (texture.mipmapped) gl_.glGenerateMipmap(GL_TEXTURE_2D);
  texture.dirty = false;
}

void GlVideo::ReleaseTexture(GpuTexture& texture) {
  if (!context_ || texture.glGeneration != generation_ || !texture.glName) return;
  if (batch_.Uses(&texture)) batch_.Flush();
  gl_.glDeleteTextures(1, &texture.glName);
  texture.glName = 0;
  if (boundTexture_ == &texture) boundTexture_ = nullptr;
}

void GlVideo::SetScissor(bool on) {
  if (on == scissorOn_) return;
  if (on) {
    gl_.glEnable(GL_SCISSOR_TEST);
  } else {
    gl_.glDisable(GL_SCISSOR_TEST);
  }
  scissorOn_ = on;
}

void GlVideo::ApplyBlend(int blend) {
  if (blend == boundBlend_) return;
  switch (blend) {
    case 1:
    case 2:
      gl_.glDisable(GL_BLEND);
      break;
    case 4:
      gl_.glEnable(GL_BLEND);
      gl_.glBlendFunc(GL_SRC_ALPHA, GL_ONE);
      break;
    case 5:
      gl_.glEnable(GL_BLEND);
      gl_.glBlendFunc(GL_DST_COLOR, GL_ZERO);
      break;
    default:
      gl_.glEnable(GL_BLEND);
      gl_.glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
      break;
  }
  gl_.glUniform1i(modeLocation_, blend);
  boundBlend_ = blend;
}

void GlVideo::ApplyClip(const ClipBox& clip) {
  SetScissor(true);
  if (clip == boundClip_) return;
  const auto& s = Drawing();
  const double kx = viewWidth_ / double(s.logicalWidth), ky = viewHeight_ / double(s.logicalHeight);
  const int x0 = std::clamp(int(std::lround(clip.x * kx)), 0, viewWidth_);
  const int x1 = std::clamp(int(std::lround((double(clip.x) + clip.w) * kx)), x0, viewWidth_);
  const int y0 = std::clamp(int(std::lround(clip.y * ky)), 0, viewHeight_);
  const int y1 = std::clamp(int(std::lround((double(clip.y) + clip.h) * ky)), y0, viewHeight_);
  gl_.glScissor(x0, viewHeight_ - y1, x1 - x0, y1 - y0);
  boundClip_ = clip;
}

void GlVideo::DrawBatch(const BatchKey& key, const BatchVertex* vertices, int quadCount) {
  const size_t count = size_t(quadCount) * 4;
  const size_t capacity = size_t(SpriteBatch::kMaxQuads) * 4;
  if (vboOffsetVertices_ + count > capacity) {
    // Orphan the buffer so the driver need not wait for draws still reading it.
    gl_.glBufferData(GL_ARRAY_BUFFER, capacity * sizeof(BatchVertex), nullptr, GL_STREAM_DRAW);
    vboOffsetVertices_ = 0;
  }
  gl_.glBufferSubData(GL_ARRAY_BUFFER,
                      static_cast<GLintptr>(vboOffsetVertices_ * sizeof(BatchVertex)),
                      static_cast<GLsizeiptr>(count * sizeof(BatchVertex)), vertices);
  if (key.texture != boundTexture_) {
    gl_.glBindTexture(GL_TEXTURE_2D, key.texture->glName);
    boundTexture_ = key.texture;
  }
  ApplyBlend(key.blend);
  ApplyClip(key.clip);
  gl_.glDrawElementsBaseVertex(GL_TRIANGLES, quadCount * 6, GL_UNSIGNED_SHORT, nullptr,
                               static_cast<GLint>(vboOffsetVertices_));
  vboOffsetVertices_ += count;
}

void GlVideo::Present(bool /*vsync*/) {
  if (!context_) return;
  batch_.Flush();
  SetScissor(false);
  gl_.glBindFramebuffer(GL_READ_FRAMEBUFFER, frames_[current_].fbo);
  gl_.glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  gl_.glViewport(0, 0, drawableWidth_, drawableHeight_);
  gl_.glClearColor(0, 0, 0, 1);
  gl_.glClear(GL_COLOR_BUFFER_BIT);
  gl_.glBlitFramebuffer(0, 0, viewWidth_, viewHeight_, viewX_, viewY_, viewX_ + viewWidth_,
                        viewY_ + viewHeight_, GL_COLOR_BUFFER_BIT, GL_NEAREST);
  SDL_GL_SwapWindow(window_);
  last_ = current_;
  current_ ^= 1;
  presented_ = true;
  gl_.glBindFramebuffer(GL_FRAMEBUFFER, frames_[current_].fbo);
  gl_.glViewport(0, 0, viewWidth_, viewHeight_);
}

bool GlVideo::ReadLastFrame(std::vector<uint32_t>& argb, int& w, int& h) {
  if (!context_ || !presented_) return false;
  const auto& s = Drawing();
  w = std::max(1, int(std::lround(s.logicalWidth)));
  h = std::max(1, int(std::lround(s.logicalHeight)));
  SetScissor(false);
  if (w == viewWidth_ && h == viewHeight_) {
    gl_.glBindFramebuffer(GL_READ_FRAMEBUFFER, frames_[last_].fbo);
  } else {
    if (shot_.width != w || shot_.height != h) MakeTarget(shot_, w, h);
    gl_.glBindFramebuffer(GL_READ_FRAMEBUFFER, frames_[last_].fbo);
    gl_.glBindFramebuffer(GL_DRAW_FRAMEBUFFER, shot_.fbo);
    gl_.glBlitFramebuffer(0, 0, viewWidth_, viewHeight_, 0, 0, w, h, GL_COLOR_BUFFER_BIT,
                          GL_LINEAR);
    gl_.glBindFramebuffer(GL_READ_FRAMEBUFFER, shot_.fbo);
  }
  std::vector<uint8_t> rgba(size_t(w) * size_t(h) * 4);
  gl_.glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  gl_.glBindFramebuffer(GL_FRAMEBUFFER, frames_[current_].fbo);
  argb.resize(size_t(w) * size_t(h));
  for (int y = 0; y < h; ++y) {
    const uint8_t* src = &rgba[size_t(h - 1 - y) * size_t(w) * 4];  // GL rows run bottom-up
    uint32_t* dst = &argb[size_t(y) * size_t(w)];
    for (int x = 0; x < w; ++x, src += 4)
      dst[x] = 0xFF000000u | uint32_t{src[0]} << 16 | uint32_t{src[1]} << 8 | src[2];
  }
  return true;
}

void GlVideo::MouseToLogical(int wx, int wy, float& lx, float& ly) const {
  int ww = 0, wh = 0;
  SDL_GetWindowSize(window_, &ww, &wh);
  const auto& s = Drawing();
  if (ww <= 0 || wh <= 0) {
    lx = float(wx);
    ly = float(wy);
    return;
  }
  const double scale = std::min(ww / double(s.logicalWidth), wh / double(s.logicalHeight));
  const double offX = (ww - s.logicalWidth * scale) / 2, offY = (wh - s.logicalHeight * scale) / 2;
  lx = static_cast<float>((wx - offX) / scale);
  ly = static_cast<float>((wy - offY) / scale);
}

void GlVideo::UpdateSuspension() {
  const bool suspended = !focused_ || minimised_;
  if (suspended == suspended_) return;
  suspended_ = suspended;
  InputOnSuspend(suspended);
}

void GlVideo::PumpWindowEvents() {
  if (!videoStarted_) return;
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    switch (e.type) {
      case SDL_QUIT:
        InputOnCloseRequest();
        break;
      case SDL_WINDOWEVENT:
        switch (e.window.event) {
          case SDL_WINDOWEVENT_CLOSE:
            InputOnCloseRequest();
            break;
          case SDL_WINDOWEVENT_FOCUS_LOST:
            focused_ = false;
            break;
          case SDL_WINDOWEVENT_FOCUS_GAINED:
            focused_ = true;
            break;
          case SDL_WINDOWEVENT_MINIMIZED:
            minimised_ = true;
            break;
          case SDL_WINDOWEVENT_RESTORED:
          case SDL_WINDOWEVENT_MAXIMIZED:
            minimised_ = false;
            break;
          case SDL_WINDOWEVENT_SIZE_CHANGED:
            UpdateSurface();
            break;
          default:
            break;
        }
        UpdateSuspension();
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        if (int key = VirtualKeyFor(e.key.keysym.sym, e.key.keysym.scancode))
          InputOnKey(key, e.type == SDL_KEYDOWN, e.key.repeat != 0);
        break;
      case SDL_TEXTINPUT:
        InputOnText(e.text.text);
        break;
      case SDL_MOUSEMOTION: {
        float x, y;
        MouseToLogical(e.motion.x, e.motion.y, x, y);
        InputOnMouseMove(x, y);
        break;
      }
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP: {
        float x, y;
        MouseToLogical(e.button.x, e.button.y, x, y);
        InputOnMouseMove(x, y);
        if (int button = GameMouseButton(e.button.button))
          InputOnMouseButton(button, e.type == SDL_MOUSEBUTTONDOWN);
        break;
      }
      case SDL_MOUSEWHEEL: {
        int notches = e.wheel.y;
        if (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
        if (notches) InputOnWheel(notches);
        break;
      }
      default:
        break;
    }
  }
}

}  // namespace

std::unique_ptr<VideoBackend> MakeGlVideo() {
  auto video = std::make_unique<GlVideo>();
  if (!video->Start()) return nullptr;
  return video;
}

}  // namespace media_internal
