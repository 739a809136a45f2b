#include "media/sprite_batch.h"

#include <algorithm>
#include <cstring>

#include "media/graphics.h"

namespace media_internal {

namespace {

bool Intersect(float ax0, float ay0, float ax1, float ay1, float bx0, float by0, float bx1,
               float by1) {
  // Boxes that only touch along an edge share no pixel.
  return ax0 < bx1 && bx0 < ax1 && ay0 < by1 && by0 < ay1;
}

}  // namespace

SpriteBatch::SpriteBatch(BatchSink* sink)
    : sink_(sink),
      pool_(kMaxQuads * 4),
      boxes_(kMaxQuads),
      next_(kMaxQuads, -1),
      staging_(kMaxQuads * 4) {
  open_.reserve(kMaxOpen);
}

bool SpriteBatch::Overlaps(const Open& open, const Box& box, int& tests) const {
  const Box& b = open.bounds;
  if (!Intersect(b.x0, b.y0, b.x1, b.y1, box.x0, box.y0, box.x1, box.y1)) return false;
  for (int slot = open.first; slot >= 0; slot = next_[static_cast<size_t>(slot)]) {
    if (++tests > kMaxOverlapTests) return true;  // too crowded to tell cheaply: assume so
    const Box& q = boxes_[static_cast<size_t>(slot)];
    if (Intersect(q.x0, q.y0, q.x1, q.y1, box.x0, box.y0, box.x1, box.y1)) return true;
  }
  return false;
}

void SpriteBatch::Add(const BatchKey& key, const BatchVertex* four) {
  if (used_ == kMaxQuads) Flush();
  Box box{four[0].x, four[0].y, four[0].x, four[0].y};
  for (int i = 1; i < 4; ++i) {
    box.x0 = std::min(box.x0, four[i].x);
    box.y0 = std::min(box.y0, four[i].y);
    box.x1 = std::max(box.x1, four[i].x);
    box.y1 = std::max(box.y1, four[i].y);
  }
  // The newest open batch of this key takes the quad unless a quad drawn after that batch
  // overlaps it: the quad would then be drawn before it instead of after.
  int target = -1;
  int tests = 0;
  for (int i = static_cast<int>(open_.size()) - 1; i >= 0; --i) {
    if (open_[static_cast<size_t>(i)].key == key) {
      target = i;
      break;
    }
    // Added light commutes on the 8-bit frame: each such quad adds its own term to the pixel,
    // saturating, whatever came before, so light quads may pass one another.
    if (key.blend == kBlendLight && open_[static_cast<size_t>(i)].key.blend == kBlendLight)
      continue;
    if (Overlaps(open_[static_cast<size_t>(i)], box, tests)) break;
  }
  if (target < 0) {
    if (static_cast<int>(open_.size()) == kMaxOpen) DrawOldest();
    open_.emplace_back();
    open_.back().key = key;
    open_.back().bounds = box;
    target = static_cast<int>(open_.size()) - 1;
  }
  Open& open = open_[static_cast<size_t>(target)];
  const int slot = used_++;
  std::memcpy(&pool_[static_cast<size_t>(slot) * 4], four, sizeof(BatchVertex) * 4);
  boxes_[static_cast<size_t>(slot)] = box;
  next_[static_cast<size_t>(slot)] = -1;
  if (open.last >= 0) {
    next_[static_cast<size_t>(open.last)] = slot;
  } else {
    open.first = slot;
  }
  open.last = slot;
  ++open.count;
  ++pending_;
  open.bounds.x0 = std::min(open.bounds.x0, box.x0);
  open.bounds.y0 = std::min(open.bounds.y0, box.y0);
  open.bounds.x1 = std::max(open.bounds.x1, box.x1);
  open.bounds.y1 = std::max(open.bounds.y1, box.y1);
}

void SpriteBatch::Draw(const Open& open) {
  if (open.count == 0) return;
  int n = 0;
  for (int slot = open.first; slot >= 0; slot = next_[static_cast<size_t>(slot)], ++n)
    std::memcpy(&staging_[static_cast<size_t>(n) * 4], &pool_[static_cast<size_t>(slot) * 4],
                sizeof(BatchVertex) * 4);
  if (sink_) sink_->DrawBatch(open.key, staging_.data(), n);
  ++batches_;
  pending_ -= open.count;
}

// Drawing the oldest batch first keeps the order: every other open batch comes after it.
void SpriteBatch::DrawOldest() {
  Draw(open_.front());
  open_.erase(open_.begin());
}

void SpriteBatch::Flush() {
  for (const Open& open : open_) Draw(open);
  open_.clear();
  used_ = 0;
  pending_ = 0;
}

bool SpriteBatch::Uses(const GpuTexture* texture) const {
  for (const Open& open : open_)
    if (open.key.texture == texture) return true;
  return false;
}

}  // namespace media_internal
