// libjpeg reports errors by long jumps; the jump lands inside the function that set it, whose
// frame holds no object with a destructor. A truncated file only warns in libjpeg (it pads the
// picture with grey), so that warning is treated as an error here.
#include <csetjmp>
#include <cstddef>
#include <cstdio>

// jpeglib.h needs size_t and FILE declared before it, and jerror.h needs jpeglib.h.
#include <jpeglib.h>

#include <jerror.h>

#include "media/picture_codecs.h"

namespace media_internal {
namespace {

struct JpegErrors {
  jpeg_error_mgr base;
  jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  bool truncated;
};

struct JpegProgress {
  jpeg_progress_mgr base;
  j_decompress_ptr info;
};

void OnJpegError(j_common_ptr info) {
  auto* errors = reinterpret_cast<JpegErrors*>(info->err);
  (*info->err->format_message)(info, errors->message);
  longjmp(errors->jump, 1);
}

void OnJpegMessage(j_common_ptr info, int level) {
  auto* errors = reinterpret_cast<JpegErrors*>(info->err);
  if (level < 0) {
    const int code = info->err->msg_code;
    if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER) errors->truncated = true;
    ++info->err->num_warnings;
  }
}

// A progressive file can hold thousands of tiny scans that each re-walk the whole picture;
// real pictures have a dozen.
void OnJpegProgress(j_common_ptr info) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->input_scan_number > 256) {
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    std::snprintf(errors->message, sizeof errors->message, "too many scans");
    longjmp(errors->jump, 1);
  }
}

bool ReadJpeg(jpeg_decompress_struct* info, JpegErrors* errors, std::vector<uint8_t>* pixels,
              std::vector<uint8_t>* row, std::string* sizeError, size_t fileSize, int* width,
              int* height) {
  if (setjmp(errors->jump)) return false;
  jpeg_read_header(info, TRUE);
  if (!PictureSizeAllowed(info->image_width, info->image_height, *sizeError)) return false;
  // Even a flat colour costs a few bits per 8x8 block; a file far too small for its header's
  // size is truncated or hostile, and is refused before the buffers are made.
  if (uint64_t{info->image_width} * info->image_height > uint64_t{fileSize} * 4096 + 65536) {
    *sizeError = "file is truncated";
    return false;
  }
  const bool cmyk = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
  info->out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(info);
  const int components = info->output_components;
  if ((cmyk && components != 4) || (!cmyk && components != 3))
    ERREXIT(info, JERR_BAD_IN_COLORSPACE);
  *width = static_cast<int>(info->output_width);
  *height = static_cast<int>(info->output_height);
  pixels->resize(size_t(*width) * size_t(*height) * 4);
  row->resize(size_t(*width) * size_t(components));
  while (info->output_scanline < info->output_height && !errors->truncated) {
    JSAMPROW rows[1] = {row->data()};
    const JDIMENSION y = info->output_scanline;
    if (jpeg_read_scanlines(info, rows, 1) != 1) break;
    uint8_t* dst = pixels->data() + size_t(y) * size_t(*width) * 4;
    const uint8_t* src = row->data();
    for (int x = 0; x < *width; ++x, dst += 4, src += components) {
      if (cmyk) {
        // Adobe writes inverted CMYK; the common case for CMYK JPEG files.
        const int k = src[3];
        dst[0] = static_cast<uint8_t>(src[0] * k / 255);
        dst[1] = static_cast<uint8_t>(src[1] * k / 255);
        dst[2] = static_cast<uint8_t>(src[2] * k / 255);
      } else {
        dst[0] = src[0];
        dst[1] = src[1];
        dst[2] = src[2];
      }
      dst[3] = 0xFF;
    }
  }
  if (errors->truncated || info->output_scanline < info->output_height) {
    *sizeError = "file is truncated";
    return false;
  }
  jpeg_finish_decompress(info);
  if (errors->truncated) {
    *sizeError = "file is truncated";
    return false;
  }
  return true;
}

}  // namespace

bool DecodeJpeg(const uint8_t* data, size_t size, DecodedPicture& out, std::string& error) {
  jpeg_decompress_struct info{};
  JpegErrors errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnJpegError;
  errors.base.emit_message = OnJpegMessage;
  JpegProgress progress{};
  progress.base.progress_monitor = OnJpegProgress;
  progress.info = &info;
  jpeg_create_decompress(&info);
  info.progress = &progress.base;
  info.mem->max_memory_to_use = 512L * 1024 * 1024;
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  std::vector<uint8_t> row;
  std::string sizeError;
  int width = 0, height = 0;
  const bool ok = ReadJpeg(&info, &errors, &out.rgba, &row, &sizeError, size, &width, &height);
  jpeg_destroy_decompress(&info);
  if (!ok) {
    error = !sizeError.empty() ? sizeError : std::string("JPEG error: ") + errors.message;
    return false;
  }
  out.width = width;
  out.height = height;
  out.hasAlpha = false;
  return true;
}

}  // namespace media_internal
