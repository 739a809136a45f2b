// libpng reports errors by long jumps; every jump lands inside the function that set it, whose
// frame holds no object with a destructor, so no C++ frame is ever skipped.
#include <png.h>

#include <csetjmp>
#include <cstring>

#include "media/picture_codecs.h"

namespace media_internal {
namespace {

struct PngSource {
  const uint8_t* data;
  size_t size;
  size_t pos;
};

struct PngFailure {
  char message[160];
};

void ReadFromMemory(png_structp png, png_bytep into, png_size_t length) {
  auto* src = static_cast<PngSource*>(png_get_io_ptr(png));
  if (length > src->size - src->pos) png_error(png, "file is truncated");
  std::memcpy(into, src->data + src->pos, length);
  src->pos += length;
}

void OnPngError(png_structp png, png_const_charp message) {
  auto* failure = static_cast<PngFailure*>(png_get_error_ptr(png));
  if (failure) std::snprintf(failure->message, sizeof failure->message, "%s", message);
  png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

// Reads the header; the pixel buffer is sized by the caller between the two steps so that the
// allocation happens outside the jump region.
struct PngHeader {
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  int colourType = 0;
  int bitDepth = 0;
  bool hasTrns = false;
};

bool ReadPng(png_structp png, png_infop info, PngHeader* header, std::vector<uint8_t>* pixels,
             std::vector<png_bytep>* rows, std::string* sizeError, const PngSource* source) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_info(png, info);
  png_get_IHDR(png, info, &header->width, &header->height, &header->bitDepth, &header->colourType,
               nullptr, nullptr, nullptr);
  header->hasTrns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  if (!PictureSizeAllowed(header->width, header->height, *sizeError)) return false;
  // Deflate packs at most about 1032 bytes into one, so a file that small cannot hold the rows
  // its header promises: refuse it before allocating for them.
  const uint64_t channels = png_get_channels(png, info);
  const uint64_t rowBytes = (uint64_t{header->width} * channels * header->bitDepth + 7) / 8 + 1;
  if (rowBytes * header->height > uint64_t{source->size} * 1100 + 65536) {
    *sizeError = "file is truncated";
    return false;
  }
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != size_t{header->width} * 4) png_error(png, "bad row size");
  pixels->resize(size_t{header->width} * header->height * 4);
  rows->resize(header->height);
  for (png_uint_32 y = 0; y < header->height; ++y)
    (*rows)[y] = pixels->data() + size_t{y} * header->width * 4;
  png_read_image(png, rows->data());
  png_read_end(png, nullptr);
  return true;
}

struct PngWriteTarget {
  std::string* out;
};

void WriteToString(png_structp png, png_bytep data, png_size_t length) {
  auto* target = static_cast<PngWriteTarget*>(png_get_io_ptr(png));
  target->out->append(reinterpret_cast<const char*>(data), length);
}

void FlushNothing(png_structp) {}

bool WritePng(png_structp png, png_infop info, int width, int height, bool keepAlpha,
              std::vector<png_bytep>* rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               keepAlpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 6);
  png_write_info(png, info);
  if (!keepAlpha) png_set_filler(png, 0, PNG_FILLER_AFTER);
  png_write_image(png, rows->data());
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

bool DecodePng(const uint8_t* data, size_t size, DecodedPicture& out, std::string& error) {
  PngFailure failure{};
  png_structp png =
      png_create_read_struct(PNG_LIBPNG_VER_STRING, &failure, OnPngError, OnPngWarning);
  if (!png) {
    error = "out of memory";
    return false;
  }
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    error = "out of memory";
    return false;
  }
  png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
  png_set_chunk_malloc_max(png, 16 * 1024 * 1024);
  PngSource source{data, size, 0};
  png_set_read_fn(png, &source, ReadFromMemory);
  PngHeader header;
  std::vector<png_bytep> rows;
  std::string sizeError;
  const bool ok = ReadPng(png, info, &header, &out.rgba, &rows, &sizeError, &source);
  png_destroy_read_struct(&png, &info, nullptr);
  if (!ok) {
    error = !sizeError.empty()   ? sizeError
            : failure.message[0] ? std::string("PNG error: ") + failure.message
                                 : "PNG error";
    return false;
  }
  out.width = static_cast<int>(header.width);
  out.height = static_cast<int>(header.height);
  out.hasAlpha = (header.colourType & PNG_COLOR_MASK_ALPHA) != 0 || header.hasTrns;
  return true;
}

bool EncodePng(int width, int height, const uint8_t* rgba, bool keepAlpha, std::string& out) {
  out.clear();
  if (width <= 0 || height <= 0 || !rgba) return false;
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, OnPngWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  PngWriteTarget target{&out};
  png_set_write_fn(png, &target, WriteToString, FlushNothing);
  std::vector<png_bytep> rows(static_cast<size_t>(height));
  for (int y = 0; y < height; ++y)
    rows[static_cast<size_t>(y)] = const_cast<uint8_t*>(rgba) + size_t(y) * size_t(width) * 4;
  const bool ok = WritePng(png, info, width, height, keepAlpha, &rows);
  png_destroy_write_struct(&png, &info);
  if (!ok) out.clear();
  return ok;
}

}  // namespace media_internal
