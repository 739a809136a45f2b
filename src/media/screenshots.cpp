// Screenshots of the last presented frame at the logical size (the harness's "shot").
#include "media/files.h"
#include "media/graphics.h"
#include "media/picture_codecs.h"
#include "media/system.h"
#include "media/video_backend.h"

std::vector<uint32_t> ReadLastFrame(int& width, int& height) {
  std::vector<uint32_t> argb;
  width = height = 0;
  if (!media_internal::Video().ReadLastFrame(argb, width, height)) {
    width = height = 0;
    argb.clear();
  }
  return argb;
}

bool SaveScreenshot(const std::string& path) {
  int width = 0, height = 0;
  const std::vector<uint32_t> argb = ReadLastFrame(width, height);
  if (argb.empty()) {
    PrintLine("Cannot save screenshot " + path + ": no frame has been shown");
    return false;
  }
  std::vector<uint8_t> rgba(argb.size() * 4);
  for (size_t i = 0; i < argb.size(); ++i) {
    rgba[i * 4] = static_cast<uint8_t>(argb[i] >> 16);
    rgba[i * 4 + 1] = static_cast<uint8_t>(argb[i] >> 8);
    rgba[i * 4 + 2] = static_cast<uint8_t>(argb[i]);
    rgba[i * 4 + 3] = 0xFF;
  }
  std::string png;
  if (!media_internal::EncodePng(width, height, rgba.data(), false, png) ||
      !WriteFileBytesAtomic(path, png)) {
    PrintLine("Cannot save screenshot " + path);
    return false;
  }
  return true;
}
