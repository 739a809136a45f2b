// Shared pieces of the graphics tests: the real back end on the offscreen driver with a
// 1024 x 768 window, frame read-back, and picture files written on the fly.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include "media/media.h"
#include "media/picture_codecs.h"
#include "test_support.h"

namespace graphics_testing {

struct Rgb {
  int r, g, b;
};

inline Rgb ToRgb(uint32_t argb) {
  return {int((argb >> 16) & 0xFF), int((argb >> 8) & 0xFF), int(argb & 0xFF)};
}

inline ::testing::AssertionResult Near(Rgb actual, Rgb expected, int tolerance = 2) {
  if (std::abs(actual.r - expected.r) <= tolerance &&
      std::abs(actual.g - expected.g) <= tolerance && std::abs(actual.b - expected.b) <= tolerance)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "got (" << actual.r << ", " << actual.g << ", " << actual.b << "), expected ("
         << expected.r << ", " << expected.g << ", " << expected.b << ")";
}

// The real back end with an open 1024 x 768 window; every test starts on a cleared frame.
class RealScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(media_.ok()) << "the OpenGL back end did not start";
    ASSERT_EQ(OpenGraphicsMode(1024, 768, 0, 60, 0), 1);
    SetClearColour(0, 0, 0);
    ClearBackBuffer();
  }
  // Presents what was drawn and reads it back.
  void Show() {
    PresentFrame(-1);
    frame_ = ReadLastFrame(width_, height_);
    ASSERT_EQ(width_, 1024);
    ASSERT_EQ(height_, 768);
  }
  Rgb At(int x, int y) const { return ToRgb(frame_[size_t(y) * size_t(width_) + size_t(x)]); }

  testing_support::MediaScope media_{BackendKind::Real, true};
  std::vector<uint32_t> frame_;
  int width_ = 0, height_ = 0;
};

// Picture files written on the fly, so no test depends on binary fixtures.

inline std::string PngBytes(int width, int height, const std::vector<uint32_t>& argb,
                            bool withAlpha) {
  std::vector<uint8_t> rgba(argb.size() * 4);
  for (size_t i = 0; i < argb.size(); ++i) {
    rgba[i * 4] = uint8_t(argb[i] >> 16);
    rgba[i * 4 + 1] = uint8_t(argb[i] >> 8);
    rgba[i * 4 + 2] = uint8_t(argb[i]);
    rgba[i * 4 + 3] = uint8_t(argb[i] >> 24);
  }
  std::string out;
  media_internal::EncodePng(width, height, rgba.data(), withAlpha, out);
  return out;
}

inline void Put16(std::string& s, int v) {
  s += char(v & 0xFF);
  s += char((v >> 8) & 0xFF);
}
inline void Put32(std::string& s, uint32_t v) {
  Put16(s, int(v & 0xFFFF));
  Put16(s, int(v >> 16));
}

inline std::string Bmp24Bytes(int width, int height, const std::vector<uint32_t>& argb) {
  const int stride = (width * 3 + 3) & ~3;
  std::string s = "BM";
  Put32(s, uint32_t(54 + stride * height));
  Put32(s, 0);
  Put32(s, 54);
  Put32(s, 40);
  Put32(s, uint32_t(width));
  Put32(s, uint32_t(height));
  Put16(s, 1);
  Put16(s, 24);
  for (int i = 0; i < 6; ++i) Put32(s, 0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t p = argb[size_t(y * width + x)];
      s += char(p & 0xFF);
      s += char((p >> 8) & 0xFF);
      s += char((p >> 16) & 0xFF);
    }
    s.append(size_t(stride - width * 3), '\0');
  }
  return s;
}

inline std::string TgaBytes(int width, int height, const std::vector<uint32_t>& argb, int bits) {
  std::string s(18, '\0');
  s[2] = 2;
  s[12] = char(width & 0xFF);
  s[13] = char(width >> 8);
  s[14] = char(height & 0xFF);
  s[15] = char(height >> 8);
  s[16] = char(bits);
  s[17] = char(bits == 32 ? 8 : 0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t p = argb[size_t(y * width + x)];
      s += char(p & 0xFF);
      s += char((p >> 8) & 0xFF);
      s += char((p >> 16) & 0xFF);
      if (bits == 32) s += char(p >> 24);
    }
  }
  return s;
}

inline std::string Tga24Bytes(int width, int height, const std::vector<uint32_t>& argb) {
  return TgaBytes(width, height, argb, 24);
}
inline std::string Tga32Bytes(int width, int height, const std::vector<uint32_t>& argb) {
  return TgaBytes(width, height, argb, 32);
}

inline std::string JpegBytes(int width, int height, const std::vector<uint32_t>& argb,
                             int quality) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(width);
  info.image_height = JDIMENSION(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<uint8_t> row(size_t(width) * 3);
  while (info.next_scanline < info.image_height) {
    for (int x = 0; x < width; ++x) {
      const uint32_t p = argb[size_t(info.next_scanline) * size_t(width) + size_t(x)];
      row[size_t(x) * 3] = uint8_t(p >> 16);
      row[size_t(x) * 3 + 1] = uint8_t(p >> 8);
      row[size_t(x) * 3 + 2] = uint8_t(p);
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  std::string out(reinterpret_cast<const char*>(buffer), size);
  jpeg_destroy_compress(&info);
  free(buffer);
  return out;
}

inline std::string TestFontPath() {
  const std::string candidates[] = {
      testing_support::SourceDir() + "/game/gfx/fonts/font2.ttf",
      testing_support::SourceDir() + "/game/gfx/fonts/font1.ttf",
      "/usr/share/fonts/truetype/lato/Lato-Bold.ttf",
      "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
  };
  for (const auto& path : candidates)
    if (PathKind(path) == 1) return path;
  return "";
}

}  // namespace graphics_testing
