#include <cstring>

#include "media/picture_codecs.h"

namespace media_internal {

bool PictureSizeAllowed(int64_t width, int64_t height, std::string& error) {
  if (width <= 0 || height <= 0) {
    error = "empty or negative picture size";
    return false;
  }
  if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels) {
    error = "picture too large (" + std::to_string(width) + "x" + std::to_string(height) + ")";
    return false;
  }
  return true;
}

bool DecodePicture(const uint8_t* data, size_t size, DecodedPicture& out, std::string& error) {
  out = DecodedPicture();
  if (!data || size == 0) {
    error = "empty file";
    return false;
  }
  static const uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  bool ok = false;
  if (size >= 8 && std::memcmp(data, kPng, 8) == 0) {
    ok = DecodePng(data, size, out, error);
  } else if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) {
    ok = DecodeJpeg(data, size, out, error);
  } else if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
    ok = DecodeBmp(data, size, out, error);
  } else {
    ok = DecodeTga(data, size, out, error);
    if (!ok) error = "not a PNG, JPEG, BMP or TGA picture (" + error + ")";
  }
  if (!ok) out = DecodedPicture();
  return ok;
}

}  // namespace media_internal
