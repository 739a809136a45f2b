// Windows bitmap pictures: every header version, 1 to 32 bits per pixel, bit-field masks and
// the two run-length encodings. Reads are bounds-checked against the file size throughout.
#include <cstdlib>

#include "media/picture_codecs.h"

namespace media_internal {
namespace {

class Bytes {
 public:
  Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Has(size_t pos, size_t n) const { return pos <= size_ && n <= size_ - pos; }
  uint32_t U16(size_t pos) const { return data_[pos] | (uint32_t{data_[pos + 1]} << 8); }
  uint32_t U32(size_t pos) const { return U16(pos) | (U16(pos + 2) << 16); }
  uint8_t At(size_t pos) const { return data_[pos]; }
  size_t size() const { return size_; }

 private:
  const uint8_t* data_;
  size_t size_;
};

struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
  void Set(uint32_t m) {
    mask = m;
    shift = 0;
    bits = 0;
    if (!m) return;
    while (!((m >> shift) & 1)) ++shift;
    while (shift + bits < 32 && ((m >> (shift + bits)) & 1)) ++bits;
  }
  uint8_t Extract(uint32_t value) const {
    if (!mask) return 0;
    const uint32_t v = (value & mask) >> shift;
    if (bits >= 8) return static_cast<uint8_t>(v >> (bits - 8));
    const uint32_t max = (1u << bits) - 1;
    return static_cast<uint8_t>(v * 255 / max);
  }
};

bool Fail(std::string& error, const char* why) {
  error = std::string("BMP: ") + why;
  return false;
}

// Decodes RLE8 or RLE4 data into palette indices (top row first); pixels the stream skips
// stay at index 0.
bool DecodeRle(const Bytes& in, size_t pos, int width, int height, bool bottomUp, bool four,
               std::vector<uint8_t>& indices) {
  indices.assign(size_t(width) * size_t(height), 0);
  int x = 0, y = 0;
  auto put = [&](int value) {
    if (x < width && y < height) {
      const int row = bottomUp ? height - 1 - y : y;
      indices[size_t(row) * size_t(width) + size_t(x)] = static_cast<uint8_t>(value);
    }
    ++x;
  };
  while (in.Has(pos, 2)) {
    const int count = in.At(pos), value = in.At(pos + 1);
    pos += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(four ? ((i & 1) ? value & 0x0F : value >> 4) : value);
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      if (++y >= height) return true;
    } else if (value == 1) {  // end of bitmap
      return true;
    } else if (value == 2) {  // delta
      if (!in.Has(pos, 2)) return false;
      x += in.At(pos);
      y += in.At(pos + 1);
      pos += 2;
      if (y >= height) return true;
    } else {  // absolute run of `value` pixels, padded to a 16-bit boundary
      const size_t bytes = four ? (size_t(value) + 1) / 2 : size_t(value);
      if (!in.Has(pos, bytes)) return false;
      for (int i = 0; i < value; ++i) {
        const int b = in.At(pos + (four ? size_t(i) / 2 : size_t(i)));
        put(four ? ((i & 1) ? b & 0x0F : b >> 4) : b);
      }
      pos += (bytes + 1) & ~size_t{1};
    }
  }
  return false;  // ran out of data before the end marker
}

}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, DecodedPicture& out, std::string& error) {
  const Bytes in(data, size);
  if (!in.Has(0, 18)) return Fail(error, "file is truncated");
  const size_t pixelOffset = in.U32(10);
  const uint32_t headerSize = in.U32(14);
  if (headerSize < 12 || !in.Has(14, headerSize)) return Fail(error, "bad header");
  int64_t width = 0, height = 0;
  uint32_t bpp = 0, compression = 0, coloursUsed = 0;
  size_t paletteEntrySize = 4;
  if (headerSize == 12) {
    width = in.U16(18);
    height = in.U16(20);
    bpp = in.U16(24);
    paletteEntrySize = 3;
  } else {
    if (headerSize < 40) return Fail(error, "bad header");
    width = static_cast<int32_t>(in.U32(18));
    height = static_cast<int32_t>(in.U32(22));
    bpp = in.U16(28);
    compression = in.U32(30);
    coloursUsed = in.U32(46);
  }
  const bool bottomUp = height > 0;
  height = std::llabs(height);
  if (!PictureSizeAllowed(width, height, error)) return false;
  const int w = static_cast<int>(width), h = static_cast<int>(height);

  Channel red, green, blue, alpha;
  bool explicitAlpha = false;
  size_t paletteStart = 14 + headerSize;
  if (compression == 3 || compression == 6) {  // bit fields (6: with alpha)
    size_t maskPos = 14 + 40;
    if (headerSize == 40) {
      const size_t maskBytes = compression == 6 ? 16 : 12;
      if (!in.Has(maskPos, maskBytes)) return Fail(error, "file is truncated");
      paletteStart += maskBytes;
    } else if (headerSize < 52) {
      return Fail(error, "bad header");
    }
    red.Set(in.U32(maskPos));
    green.Set(in.U32(maskPos + 4));
    blue.Set(in.U32(maskPos + 8));
    if ((compression == 6 || headerSize >= 56) && in.Has(maskPos + 12, 4)) {
      alpha.Set(in.U32(maskPos + 12));
      explicitAlpha = alpha.mask != 0;
    }
    if (bpp != 16 && bpp != 32) return Fail(error, "bit fields need 16 or 32 bits per pixel");
  } else if (compression == 0 && headerSize >= 56 && bpp == 32 && in.U32(14 + 52) != 0) {
    // A version 3+ header may name an alpha mask even without bit-field compression.
    red.Set(0x00FF0000);
    green.Set(0x0000FF00);
    blue.Set(0x000000FF);
    alpha.Set(in.U32(14 + 52));
    explicitAlpha = true;
  } else if (bpp == 16) {
    red.Set(0x7C00);
    green.Set(0x03E0);
    blue.Set(0x001F);
  } else if (bpp == 32) {
    red.Set(0x00FF0000);
    green.Set(0x0000FF00);
    blue.Set(0x000000FF);
  }

  const bool paletted = bpp == 1 || bpp == 4 || bpp == 8;
  if (!paletted && bpp != 16 && bpp != 24 && bpp != 32) return Fail(error, "unsupported depth");
  const bool rle = compression == 1 || compression == 2;
  if (rle && !((compression == 1 && bpp == 8) || (compression == 2 && bpp == 4)))
    return Fail(error, "bad run-length depth");
  if (compression != 0 && compression != 3 && compression != 6 && !rle)
    return Fail(error, "unsupported compression");

  uint8_t palette[256][3] = {};
  if (paletted) {
    const uint32_t maxColours = 1u << bpp;
    uint32_t count = coloursUsed == 0 || coloursUsed > maxColours ? maxColours : coloursUsed;
    for (uint32_t i = 0; i < count; ++i) {
      const size_t p = paletteStart + i * paletteEntrySize;
      if (!in.Has(p, 3)) break;  // a short palette leaves the rest black
      palette[i][0] = in.At(p + 2);
      palette[i][1] = in.At(p + 1);
      palette[i][2] = in.At(p);
    }
  }
  if (pixelOffset >= size) return Fail(error, "file is truncated");

  out.width = w;
  out.height = h;
  std::vector<uint8_t> indices;
  if (rle) {
    // A run packs at most 255 pixels into two bytes.
    if (uint64_t(w) * uint64_t(h) > uint64_t(size - pixelOffset) * 128 + 65536)
      return Fail(error, "file is truncated");
    if (!DecodeRle(in, pixelOffset, w, h, bottomUp, compression == 2, indices))
      return Fail(error, "file is truncated");
    out.rgba.resize(size_t(w) * size_t(h) * 4);
    for (size_t i = 0; i < indices.size(); ++i) {
      const uint8_t* c = palette[indices[i]];
      out.rgba[i * 4] = c[0];
      out.rgba[i * 4 + 1] = c[1];
      out.rgba[i * 4 + 2] = c[2];
      out.rgba[i * 4 + 3] = 0xFF;
    }
    return true;
  }

  const uint64_t stride = ((uint64_t(w) * bpp + 31) / 32) * 4;
  if (!in.Has(pixelOffset, stride * uint64_t(h - 1) + (uint64_t(w) * bpp + 7) / 8))
    return Fail(error, "file is truncated");
  out.rgba.resize(size_t(w) * size_t(h) * 4);
  bool anyAlpha = false;
  for (int y = 0; y < h; ++y) {
    const size_t row = pixelOffset + size_t(bottomUp ? h - 1 - y : y) * stride;
    uint8_t* dst = out.rgba.data() + size_t(y) * size_t(w) * 4;
    for (int x = 0; x < w; ++x, dst += 4) {
      if (paletted) {
        const size_t bit = size_t(x) * bpp;
        const int b = in.At(row + bit / 8);
        const int index = (b >> (8 - bpp - int(bit % 8))) & ((1 << bpp) - 1);
        dst[0] = palette[index][0];
        dst[1] = palette[index][1];
        dst[2] = palette[index][2];
        dst[3] = 0xFF;
      } else if (bpp == 24) {
        const size_t p = row + size_t(x) * 3;
        dst[0] = in.At(p + 2);
        dst[1] = in.At(p + 1);
        dst[2] = in.At(p);
        dst[3] = 0xFF;
      } else {
        const uint32_t v = bpp == 16 ? in.U16(row + size_t(x) * 2) : in.U32(row + size_t(x) * 4);
        dst[0] = red.Extract(v);
        dst[1] = green.Extract(v);
        dst[2] = blue.Extract(v);
        dst[3] = explicitAlpha ? alpha.Extract(v) : 0xFF;
        anyAlpha |= dst[3] != 0;
      }
    }
  }
  // Many writers fill an unused alpha channel with zeros: such a picture has no transparency.
  out.hasAlpha = explicitAlpha && anyAlpha;
  if (explicitAlpha && !anyAlpha)
    for (size_t i = 3; i < out.rgba.size(); i += 4) out.rgba[i] = 0xFF;
  return true;
}

}  // namespace media_internal
