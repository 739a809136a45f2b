// Truevision TGA pictures: colour-mapped, true-colour and grey, raw or run-length encoded, any
// origin corner. Reads are bounds-checked against the file size throughout.
#include "media/picture_codecs.h"

namespace media_internal {
namespace {

bool Fail(std::string& error, const char* why) {
  error = std::string("TGA: ") + why;
  return false;
}

// One pixel of `bytes` bytes in the file's little-endian BGR(A) layout, to RGBA.
void Unpack(const uint8_t* p, int bytes, bool grey, uint8_t* rgba) {
  if (grey) {
    rgba[0] = rgba[1] = rgba[2] = p[0];
    rgba[3] = bytes == 2 ? p[1] : 0xFF;
  } else if (bytes == 2) {
    const int v = p[0] | (p[1] << 8);
    rgba[0] = static_cast<uint8_t>(((v >> 10) & 31) * 255 / 31);
    rgba[1] = static_cast<uint8_t>(((v >> 5) & 31) * 255 / 31);
    rgba[2] = static_cast<uint8_t>((v & 31) * 255 / 31);
    rgba[3] = 0xFF;
  } else {
    rgba[0] = p[2];
    rgba[1] = p[1];
    rgba[2] = p[0];
    rgba[3] = bytes == 4 ? p[3] : 0xFF;
  }
}

}  // namespace

bool DecodeTga(const uint8_t* data, size_t size, DecodedPicture& out, std::string& error) {
  if (size < 18) return Fail(error, "file is truncated");
  const int idLength = data[0];
  const int mapType = data[1];
  const int imageType = data[2];
  const int mapFirst = data[3] | (data[4] << 8);
  const int mapLength = data[5] | (data[6] << 8);
  const int mapBits = data[7];
  const int width = data[12] | (data[13] << 8);
  const int height = data[14] | (data[15] << 8);
  const int bits = data[16];
  const int descriptor = data[17];

  const bool rle = imageType >= 9;
  const int base = rle ? imageType - 8 : imageType;
  if (base < 1 || base > 3 || mapType > 1) return Fail(error, "unsupported picture type");
  const bool mapped = base == 1, grey = base == 3;
  if (mapped && (mapType != 1 || bits != 8)) return Fail(error, "bad colour map");
  if (grey && bits != 8 && bits != 16) return Fail(error, "bad grey depth");
  if (base == 2 && bits != 15 && bits != 16 && bits != 24 && bits != 32)
    return Fail(error, "bad depth");
  if (!PictureSizeAllowed(width, height, error)) return false;

  size_t pos = 18 + size_t(idLength);
  std::vector<uint8_t> palette;  // RGBA entries
  bool paletteAlpha = false;
  if (mapType == 1) {
    const int entryBytes = (mapBits + 7) / 8;
    if (entryBytes < 2 || entryBytes > 4) return Fail(error, "bad colour map");
    const size_t mapBytes = size_t(mapLength) * size_t(entryBytes);
    if (pos > size || mapBytes > size - pos) return Fail(error, "file is truncated");
    palette.resize(size_t(mapFirst + mapLength) * 4, 0);
    for (int i = 0; i < mapLength; ++i) {
      Unpack(data + pos + size_t(i) * size_t(entryBytes), entryBytes, false,
             &palette[size_t(mapFirst + i) * 4]);
      paletteAlpha |= entryBytes == 4;
    }
    pos += mapBytes;
  }
  const int pixelBytes = (bits + 7) / 8;
  const uint64_t pixels = uint64_t(width) * uint64_t(height);
  if (pos > size) return Fail(error, "file is truncated");
  const uint64_t available = size - pos;
  // A run packs at most 128 pixels into 1 + pixelBytes bytes.
  if (rle ? pixels > available * 128 : pixels * uint64_t(pixelBytes) > available)
    return Fail(error, "file is truncated");

  out.width = width;
  out.height = height;
  out.rgba.assign(pixels * 4, 0);
  const bool topDown = (descriptor & 0x20) != 0;
  const bool rightToLeft = (descriptor & 0x10) != 0;
  uint64_t done = 0;
  auto emit = [&](const uint8_t* p) {
    const int x = int(done % uint64_t(width)), y = int(done / uint64_t(width));
    const int dx = rightToLeft ? width - 1 - x : x, dy = topDown ? y : height - 1 - y;
    uint8_t* dst = &out.rgba[(size_t(dy) * size_t(width) + size_t(dx)) * 4];
    if (mapped) {
      const size_t index = p[0];
      if (index * 4 + 4 <= palette.size()) {
        for (int c = 0; c < 4; ++c) dst[c] = palette[index * 4 + size_t(c)];
      } else {
        dst[3] = 0xFF;
      }
    } else {
      Unpack(p, pixelBytes, grey, dst);
    }
    ++done;
  };
  while (done < pixels) {
    if (!rle) {
      emit(data + pos);
      pos += size_t(pixelBytes);
      continue;
    }
    if (pos >= size) return Fail(error, "file is truncated");
    const int header = data[pos++];
    const uint64_t count = uint64_t(header & 0x7F) + 1;
    if (count > pixels - done) return Fail(error, "run passes the end of the picture");
    if (header & 0x80) {
      if (size - pos < size_t(pixelBytes)) return Fail(error, "file is truncated");
      for (uint64_t i = 0; i < count; ++i) emit(data + pos);
      pos += size_t(pixelBytes);
    } else {
      if ((size - pos) / size_t(pixelBytes) < count) return Fail(error, "file is truncated");
      for (uint64_t i = 0; i < count; ++i, pos += size_t(pixelBytes)) emit(data + pos);
    }
  }
  // Only 32-bit, grey+alpha and 32-bit colour maps carry alpha; an all-zero alpha channel is an
  // unused one.
  const bool alphaFormat = (base == 2 && bits == 32) || (grey && bits == 16) || paletteAlpha;
  bool allZero = alphaFormat;
  if (alphaFormat)
    for (size_t i = 3; i < out.rgba.size() && allZero; i += 4) allZero = out.rgba[i] == 0;
  if (allZero)
    for (size_t i = 3; i < out.rgba.size(); i += 4) out.rgba[i] = 0xFF;
  out.hasAlpha = alphaFormat && !allZero;
  return true;
}

}  // namespace media_internal
