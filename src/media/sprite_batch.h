// Collects textured quads into one vertex array and hands them to the GPU in as few draws as
// possible: a batch ends only when the texture, blend mode or clip rectangle changes, or when
// the array is full. Its storage is allocated once, so drawing never allocates per frame.
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
  static constexpr int kMaxQuads = 4096;

  explicit SpriteBatch(BatchSink* sink);
  void Add(const BatchKey& key, const BatchVertex* four);
  void Flush();
  // True when a pending quad reads from the texture (it must be flushed before the texture
  // is changed).
  bool Uses(const GpuTexture* texture) const { return count_ > 0 && key_.texture == texture; }
  int pendingQuads() const { return count_; }
  long long batchesDrawn() const { return batches_; }

 private:
  BatchSink* sink_;
  std::vector<BatchVertex> vertices_;
  BatchKey key_;
  int count_ = 0;
  long long batches_ = 0;
};

}  // namespace media_internal
