#include "media/sprite_batch.h"

#include <cstring>

namespace media_internal {

SpriteBatch::SpriteBatch(BatchSink* sink) : sink_(sink), vertices_(kMaxQuads * 4) {}

void SpriteBatch::Add(const BatchKey& key, const BatchVertex* four) {
  if (count_ > 0 && (count_ == kMaxQuads || !(key == key_))) Flush();
  if (count_ == 0) key_ = key;
  std::memcpy(&vertices_[static_cast<size_t>(count_) * 4], four, sizeof(BatchVertex) * 4);
  ++count_;
}

void SpriteBatch::Flush() {
  if (count_ == 0) return;
  if (sink_) sink_->DrawBatch(key_, vertices_.data(), count_);
  ++batches_;
  count_ = 0;
}

}  // namespace media_internal
