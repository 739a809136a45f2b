// What the media layer's picture, pixmap and font handles hold (opaque to game code).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "media/video_backend.h"

struct TImage {
  // Shared with collision layers, which may outlive the picture.
  std::shared_ptr<media_internal::GpuTexture> texture;
  float handleX = 0;
  float handleY = 0;
  int flags = 0;
  int width() const { return texture->width; }
  int height() const { return texture->height; }
};

struct TPixmap {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> argb;
};

namespace media_internal {

// Decodes a picture file into a texture with the load flags applied (masking, filtering,
// mipmaps). Null with the reason in error.
std::shared_ptr<GpuTexture> LoadTextureFile(const std::string& path, int flags, std::string& error);
// The 1x1 white texture that rectangles, lines and the default font's pages draw from.
GpuTexture* WhiteTexture();

}  // namespace media_internal
