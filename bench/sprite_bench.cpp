// The sprite renderer: the CPU cost of turning draw calls into batched vertices (the GPU
// driver left out), and the frame time of a busy scene on the real back end.
#include <benchmark/benchmark.h>

#include <vector>

#include "media/media.h"
#include "media/sprite_batch.h"
#include "media/video_backend.h"

namespace {

// Stands where the OpenGL back end would: batches exactly as it does, but the finished batches
// go nowhere, so only the renderer's own work is timed.
class DiscardingVideo final : public media_internal::VideoBackend,
                              public media_internal::BatchSink {
 public:
  bool IsNull() const override { return false; }
  bool OpenMode(int, int, bool) override { return true; }
  bool ModeOpen() const override { return true; }
  bool Fullscreen() const override { return false; }
  int PhysicalWidth() const override { return 1024; }
  int PhysicalHeight() const override { return 768; }
  void Quad(media_internal::GpuTexture* texture, int blend, const media_internal::ClipBox& clip,
            const media_internal::BatchVertex* four) override {
    if (texture->dirty) {
      if (batch_.Uses(texture)) batch_.Flush();
      texture->dirty = false;
    }
    batch_.Add({texture, blend, clip}, four);
  }
  void Present(bool) override { batch_.Flush(); }
  void DrawBatch(const media_internal::BatchKey&, const media_internal::BatchVertex* vertices,
                 int quadCount) override {
    benchmark::DoNotOptimize(vertices);
    quads_ += quadCount;
  }
  long long quads_ = 0;

 private:
  media_internal::SpriteBatch batch_{this};
};

TImage* Sprite() {
  std::vector<uint32_t> pixels(32 * 32);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = 0xFF000000u | uint32_t(i * 2654435761u);
  TImage* image = CreateImageFromPixels(32, 32, pixels, kImageFiltered);
  CentreImageAnchor(image);
  return image;
}

void BM_BatcherCpuPer1000Sprites(benchmark::State& state) {
  auto owned = std::make_unique<DiscardingVideo>();
  DiscardingVideo* video = owned.get();
  media_internal::SetVideo(std::move(owned));
  TImage* a = Sprite();
  TImage* b = Sprite();
  SetBlendMode(kBlendAlpha);
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) {
      SetDrawRotation(float(i % 360));
      SetDrawScale(1.0f + float(i % 3) * 0.25f, 1.0f);
      SetDrawAlpha(float(i % 10) / 10.0f);
      DrawImageAt(i < 500 ? a : b, float((i * 37) % 1024), float((i * 91) % 768));
    }
    PresentFrame(0);
  }
  state.counters["quads"] = benchmark::Counter(double(video->quads_), benchmark::Counter::kIsRate);
  SetDrawRotation(0);
  SetDrawScale(1, 1);
  SetDrawAlpha(1);
  FreeImage(a);
  FreeImage(b);
  media_internal::SetVideo(nullptr);
}
BENCHMARK(BM_BatcherCpuPer1000Sprites)->Unit(benchmark::kMicrosecond);

// 2,000 rotated, alpha-blended 32 x 32 sprites from four pictures, presented on the OpenGL back
// end (Mesa llvmpipe under the offscreen driver on a machine without a GPU).
void BM_Frame2000SpritesOffscreen(benchmark::State& state) {
  MediaConfig config;
  config.backend = BackendKind::Real;
  config.virtualClock = true;
  config.headless = true;
  config.noAudio = true;
  if (!InitMedia(config) || OpenGraphicsMode(1024, 768, 0, 60, 0) != 1) {
    state.SkipWithError("the OpenGL back end did not start");
    return;
  }
  TImage* sprites[4] = {Sprite(), Sprite(), Sprite(), Sprite()};
  SetBlendMode(kBlendAlpha);
  SetDrawAlpha(0.8f);
  for (auto _ : state) {
    ClearBackBuffer();
    for (int i = 0; i < 2000; ++i) {
      SetDrawRotation(float((i * 7) % 360));
      DrawImageAt(sprites[i / 500], float((i * 37) % 1024), float((i * 91) % 768));
    }
    PresentFrame(-1);
  }
  int w, h;
  benchmark::DoNotOptimize(ReadLastFrame(w, h));  // the last frame really was drawn
  for (TImage* s : sprites) FreeImage(s);
  ShutdownMedia();
}
BENCHMARK(BM_Frame2000SpritesOffscreen)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace
