// Decoders for the picture formats the game reads (PNG, JPEG, BMP, TGA) and the PNG encoder
// used for screenshots. Every decoder refuses damaged, truncated or oversized input with a
// reason instead of crashing or allocating without bound.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace media_internal {

constexpr int kMaxPictureSide = 16384;
constexpr int64_t kMaxPicturePixels = int64_t{64} * 1024 * 1024;

struct DecodedPicture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;  // top row first, straight alpha
  bool hasAlpha = false;      // the file carries transparency (alpha channel or tRNS)
};

// False (with the reason in error) when the size is zero, negative or over the limits.
bool PictureSizeAllowed(int64_t width, int64_t height, std::string& error);

// Picks the decoder by the file's signature (TGA, which has none, last).
bool DecodePicture(const uint8_t* data, size_t size, DecodedPicture& out, std::string& error);
bool DecodePng(const uint8_t* data, size_t size, DecodedPicture& out, std::string& error);
bool DecodeJpeg(const uint8_t* data, size_t size, DecodedPicture& out, std::string& error);
bool DecodeBmp(const uint8_t* data, size_t size, DecodedPicture& out, std::string& error);
bool DecodeTga(const uint8_t* data, size_t size, DecodedPicture& out, std::string& error);

// 8-bit RGBA (top row first) to a PNG file image; alpha is dropped when keepAlpha is false.
bool EncodePng(int width, int height, const uint8_t* rgba, bool keepAlpha, std::string& out);

}  // namespace media_internal
