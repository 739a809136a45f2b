// Silhouettes and brightness of a built chip picture.
#include "chip_measure.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace chipcheck {

namespace {

// A pixel counts as the chip where it is more opaque than this (0..255); the soft drop shadow
// stays below it.
constexpr int kOpaque = 128;

// Colour-vision simulation: the matrices of Machado, Oliveira and Fernandes (2009) at severity
// 1.0, applied to linear-light RGB (the contact sheets use the same ones).
constexpr double kSimulation[kViewCount][9] = {
    {1, 0, 0, 0, 1, 0, 0, 0, 1},
    {0.367322, 0.860646, -0.227968, 0.280085, 0.672501, 0.047413, -0.011820, 0.042940, 0.968881},
    {0.152286, 1.052583, -0.204868, 0.114503, 0.786281, 0.099216, -0.003882, -0.048116, 1.051998},
    {1.255528, -0.076749, -0.178779, -0.078411, 0.930809, 0.147602, 0.004733, 0.691367, 0.303900},
};

double ToLinear(double s) {
  return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

double ToSrgb(double l) {
  l = std::clamp(l, 0.0, 1.0);
  return l <= 0.0031308 ? l * 12.92 : 1.055 * std::pow(l, 1 / 2.4) - 0.055;
}

// The grey a player sees: Rec. 709 luminance of the (simulated) linear colour, encoded back to
// 0..255 as a greyscale picture would show it.
double Luminance(const uint8_t* rgb, int view) {
  const double lin[3] = {ToLinear(rgb[0] / 255.0), ToLinear(rgb[1] / 255.0),
                         ToLinear(rgb[2] / 255.0)};
  const double* m = kSimulation[view];
  double seen[3];
  for (int k = 0; k < 3; ++k)
    seen[k] =
        std::clamp(m[k * 3] * lin[0] + m[k * 3 + 1] * lin[1] + m[k * 3 + 2] * lin[2], 0.0, 1.0);
  return 255.0 * ToSrgb(0.2126 * seen[0] + 0.7152 * seen[1] + 0.0722 * seen[2]);
}

// Scales the alpha plane to size x size by averaging the area each target pixel covers, then
// thresholds it.
Mask Silhouette(const std::vector<uint8_t>& rgba, int w, int h, int size) {
  Mask m;
  m.size = size;
  m.on.assign(static_cast<size_t>(size) * size, false);
  const double sx = static_cast<double>(w) / size, sy = static_cast<double>(h) / size;
  for (int ty = 0; ty < size; ++ty) {
    for (int tx = 0; tx < size; ++tx) {
      const double x0 = tx * sx, x1 = x0 + sx, y0 = ty * sy, y1 = y0 + sy;
      double sum = 0, weight = 0;
      for (int y = static_cast<int>(y0); y < h && y < y1; ++y) {
        const double wy = std::min<double>(y + 1, y1) - std::max<double>(y, y0);
        for (int x = static_cast<int>(x0); x < w && x < x1; ++x) {
          const double wx = std::min<double>(x + 1, x1) - std::max<double>(x, x0);
          sum += wx * wy * rgba[(static_cast<size_t>(y) * w + x) * 4 + 3];
          weight += wx * wy;
        }
      }
      m.on[static_cast<size_t>(ty) * size + tx] = weight > 0 && sum / weight > kOpaque;
    }
  }
  return m;
}

}  // namespace

const char* ViewName(int view) {
  static const char* kNames[kViewCount] = {"full colour", "deuteranopia", "protanopia",
                                           "tritanopia"};
  return kNames[view];
}

bool MeasurePicture(const std::string& png, int id, KindMeasure& out, std::string& error) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, png.c_str())) {
    error = png + ": cannot read the picture";
    return false;
  }
  image.format = PNG_FORMAT_RGBA;
  std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
    error = png + ": cannot decode the picture";
    png_image_free(&image);
    return false;
  }
  const int w = static_cast<int>(image.width), h = static_cast<int>(image.height);
  out.id = id;
  out.mask32 = Silhouette(rgba, w, h, 32);
  out.mask24 = Silhouette(rgba, w, h, 24);
  for (int view = 0; view < kViewCount; ++view) {
    double sum = 0;
    int count = 0;
    for (size_t i = 0; i < rgba.size(); i += 4) {
      if (rgba[i + 3] <= kOpaque) continue;
      sum += Luminance(&rgba[i], view);
      ++count;
    }
    if (count == 0) {
      error = png + ": the picture is empty (no pixel above half opacity)";
      return false;
    }
    out.luma[view] = sum / count;
  }
  return true;
}

double Overlap(const Mask& a, const Mask& b) {
  int both = 0, either = 0;
  for (size_t i = 0; i < a.on.size() && i < b.on.size(); ++i) {
    both += a.on[i] && b.on[i];
    either += a.on[i] || b.on[i];
  }
  return either == 0 ? 0.0 : static_cast<double>(both) / either;
}

}  // namespace chipcheck
