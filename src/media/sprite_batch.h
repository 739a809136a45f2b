// Collects textured quads and hands them to the GPU in as few draws as possible. Several batches
// (one per texture, blend mode and clip rectangle) stay open at once, and a quad joins an
// earlier batch of its kind whenever no quad drawn after that batch overlaps it: pictures that
// do not overlap may be drawn in any order, so the picture on screen is exactly the one of the
// draw calls in order, with far fewer draws. Quads that add light may also pass one another
// where they overlap, since adding is the same in any order. Storage is allocated once: drawing
// never allocates.
#pragma once

#include <vector>

#include "media/video_backend.h"

namespace media_internal {

struct BatchKey {
  GpuTexture* texture = nullptr;
  int blend = 3;
  ClipBox clip;
  bool operator==(const BatchKey&) const = default;
};

class BatchSink {
 public:
  virtual ~BatchSink() = default;
  // Draws quadCount quads (four vertices each, in corner order top-left, top-right,
  // bottom-right, bottom-left) sharing one key.
  virtual void DrawBatch(const BatchKey& key, const BatchVertex* vertices, int quadCount) = 0;
};

class SpriteBatch {
 public:
  // The most quads pending at once, and so the largest single draw.
  static constexpr int kMaxQuads = 4096;
  // The most batches open at once; the oldest is drawn when another is needed.
  static constexpr int kMaxOpen = 24;
  // How many pending quads a new quad is compared with before it gives up joining an earlier
  // batch (keeps the cost per quad bounded on crowded frames).
  static constexpr int kMaxOverlapTests = 256;

  explicit SpriteBatch(BatchSink* sink);
  void Add(const BatchKey& key, const BatchVertex* four);
  // Draws every pending quad.
  void Flush();
  // True when a pending quad reads from the texture (it must be flushed before the texture
  // is changed).
  bool Uses(const GpuTexture* texture) const;
  int pendingQuads() const { return pending_; }
  long long batchesDrawn() const { return batches_; }

 private:
  struct Box {
    float x0, y0, x1, y1;
  };
  struct Open {
    BatchKey key;
    int first = -1, last = -1;  // pool slots of its first and last quad
    int count = 0;
    Box bounds{};
  };
  // Whether the box overlaps a quad of the open batch; tests counts the quads compared.
  bool Overlaps(const Open& open, const Box& box, int& tests) const;
  void DrawOldest();
  void Draw(const Open& open);

  BatchSink* sink_;
  std::vector<BatchVertex> pool_;     // four vertices per slot
  std::vector<Box> boxes_;            // bounding box per slot
  std::vector<int> next_;             // the next slot of the same batch, or -1
  std::vector<BatchVertex> staging_;  // one batch's vertices gathered for its draw
  std::vector<Open> open_;            // open batches, oldest first
  int used_ = 0;                      // pool slots handed out since the last full flush
  int pending_ = 0;                   // quads not drawn yet
  long long batches_ = 0;
};

}  // namespace media_internal
