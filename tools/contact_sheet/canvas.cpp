// Canvas loading, drawing and saving for the contact sheets.
#include "canvas.h"

// jpeglib.h needs size_t and FILE declared before it.
#include <cstdio>

#include <jpeglib.h>
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

Canvas::Canvas(int width, int height, float r, float g, float b, float a)
    : w(width), h(height), px(static_cast<size_t>(width) * height * 4) {
  for (size_t i = 0; i < px.size(); i += 4) {
    px[i] = r;
    px[i + 1] = g;
    px[i + 2] = b;
    px[i + 3] = a;
  }
}

void Canvas::Sample(float x, float y, float out[4]) const {
  x -= 0.5f;
  y -= 0.5f;
  const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  const float fx = x - x0, fy = y - y0;
  float acc[4] = {0, 0, 0, 0};
  for (int j = 0; j < 2; ++j) {
    for (int i = 0; i < 2; ++i) {
      const int xi = x0 + i, yj = y0 + j;
      const float wgt = (i ? fx : 1 - fx) * (j ? fy : 1 - fy);
      if (xi < 0 || yj < 0 || xi >= w || yj >= h || wgt == 0) continue;
      const float* p = at(xi, yj);
      // Premultiplied while filtering, so transparent pixels do not darken edges.
      acc[0] += p[0] * p[3] * wgt;
      acc[1] += p[1] * p[3] * wgt;
      acc[2] += p[2] * p[3] * wgt;
      acc[3] += p[3] * wgt;
    }
  }
  if (acc[3] > 0) {
    out[0] = acc[0] / acc[3];
    out[1] = acc[1] / acc[3];
    out[2] = acc[2] / acc[3];
  } else {
    out[0] = out[1] = out[2] = 0;
  }
  out[3] = acc[3];
}

static Canvas LoadJpeg(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return {};
  jpeg_decompress_struct d{};
  jpeg_error_mgr err{};
  d.err = jpeg_std_error(&err);
  jpeg_create_decompress(&d);
  jpeg_stdio_src(&d, f);
  jpeg_read_header(&d, TRUE);
  d.out_color_space = JCS_RGB;
  jpeg_start_decompress(&d);
  Canvas c(static_cast<int>(d.output_width), static_cast<int>(d.output_height));
  std::vector<unsigned char> row(d.output_width * 3);
  while (d.output_scanline < d.output_height) {
    const int y = static_cast<int>(d.output_scanline);
    JSAMPROW p = row.data();
    jpeg_read_scanlines(&d, &p, 1);
    for (int x = 0; x < c.w; ++x) {
      float* q = c.at(x, y);
      q[0] = row[x * 3] / 255.f;
      q[1] = row[x * 3 + 1] / 255.f;
      q[2] = row[x * 3 + 2] / 255.f;
      q[3] = 1;
    }
  }
  jpeg_finish_decompress(&d);
  jpeg_destroy_decompress(&d);
  std::fclose(f);
  return c;
}

Canvas LoadPicture(const std::string& path) {
  if (path.size() > 4 && path.substr(path.size() - 4) == ".jpg") return LoadJpeg(path);
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
  image.format = PNG_FORMAT_RGBA;
  std::vector<unsigned char> buf(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, buf.data(), 0, nullptr)) return {};
  Canvas c(static_cast<int>(image.width), static_cast<int>(image.height));
  for (size_t i = 0; i < buf.size(); ++i) c.px[i] = buf[i] / 255.f;
  return c;
}

bool SavePng(const Canvas& c, const std::string& path) {
  std::vector<unsigned char> buf(c.px.size());
  for (size_t i = 0; i < buf.size(); ++i) {
    buf[i] = static_cast<unsigned char>(std::lround(std::clamp(c.px[i], 0.f, 1.f) * 255));
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(c.w);
  image.height = static_cast<png_uint_32>(c.h);
  image.format = PNG_FORMAT_RGBA;
  return png_image_write_to_file(&image, path.c_str(), 0, buf.data(), 0, nullptr) != 0;
}

void Draw(Canvas& dst, const Canvas& src, float x, float y, const DrawOptions& o) {
  if (!src.ok()) return;
  const float sw = o.sw > 0 ? o.sw : static_cast<float>(src.w);
  const float sh = o.sh > 0 ? o.sh : static_cast<float>(src.h);
  const float left = x - o.hx * o.scale, top = y - o.hy * o.scale;
  const int x0 = std::max(0, static_cast<int>(std::floor(left)));
  const int y0 = std::max(0, static_cast<int>(std::floor(top)));
  const int x1 = std::min(dst.w, static_cast<int>(std::ceil(left + sw * o.scale)));
  const int y1 = std::min(dst.h, static_cast<int>(std::ceil(top + sh * o.scale)));
  for (int dy = y0; dy < y1; ++dy) {
    for (int dx = x0; dx < x1; ++dx) {
      const float u = (dx + 0.5f - left) / o.scale, v = (dy + 0.5f - top) / o.scale;
      if (u < 0 || v < 0 || u >= sw || v >= sh) continue;
      float s[4];
      if (o.scale == 1.f) {
        const float* p = src.at(static_cast<int>(o.sx + u), static_cast<int>(o.sy + v));
        std::copy(p, p + 4, s);
      } else {
        src.Sample(o.sx + u, o.sy + v, s);
      }
      const float a = s[3] * o.alpha;
      float* d = dst.at(dx, dy);
      for (int k = 0; k < 3; ++k) {
        const float c = s[k] * o.tint[k];
        d[k] = o.additive ? std::min(1.f, d[k] + c * a) : d[k] * (1 - a) + c * a;
      }
      if (!o.additive) d[3] = d[3] + a * (1 - d[3]);
    }
  }
}

void FillRect(Canvas& dst, int x, int y, int w, int h, float r, float g, float b, float a) {
  for (int j = std::max(0, y); j < std::min(dst.h, y + h); ++j) {
    for (int i = std::max(0, x); i < std::min(dst.w, x + w); ++i) {
      float* d = dst.at(i, j);
      d[0] = d[0] * (1 - a) + r * a;
      d[1] = d[1] * (1 - a) + g * a;
      d[2] = d[2] * (1 - a) + b * a;
      d[3] = d[3] + a * (1 - d[3]);
    }
  }
}

Canvas Filter(const Canvas& c, Vision v) {
  // Colour-vision simulation matrices (Machado et al. 2009, severity 1) applied in linear light.
  static const float kDeut[9] = {0.367f, 0.861f, -0.228f, 0.280f, 0.673f,
                                 0.047f, -0.012f, 0.043f, 0.969f};
  static const float kProt[9] = {0.152f, 1.053f, -0.205f, 0.115f, 0.786f,
                                 0.099f, -0.004f, -0.048f, 1.052f};
  static const float kTrit[9] = {1.256f, -0.077f, -0.179f, -0.078f, 0.931f,
                                 0.148f, 0.005f, 0.691f, 0.304f};
  Canvas out = c;
  auto lin = [](float s) { return s <= 0.04045f ? s / 12.92f : std::pow((s + 0.055f) / 1.055f, 2.4f); };
  auto srgb = [](float l) {
    l = std::clamp(l, 0.f, 1.f);
    return l <= 0.0031308f ? l * 12.92f : 1.055f * std::pow(l, 1 / 2.4f) - 0.055f;
  };
  for (size_t i = 0; i < out.px.size(); i += 4) {
    const float r = lin(c.px[i]), g = lin(c.px[i + 1]), b = lin(c.px[i + 2]);
    float o[3];
    if (v == Vision::Grey) {
      const float y = 0.2126f * r + 0.7152f * g + 0.0722f * b;
      o[0] = o[1] = o[2] = y;
    } else if (v == Vision::Normal) {
      o[0] = r;
      o[1] = g;
      o[2] = b;
    } else {
      const float* m = v == Vision::Deuteranopia ? kDeut : v == Vision::Protanopia ? kProt : kTrit;
      for (int k = 0; k < 3; ++k) o[k] = m[k * 3] * r + m[k * 3 + 1] * g + m[k * 3 + 2] * b;
    }
    for (int k = 0; k < 3; ++k) out.px[i + k] = srgb(o[k]);
  }
  return out;
}
