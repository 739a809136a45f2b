// Small helpers for writing SVG text by program: number formatting, colours, a seeded random
// source and the picture record every generator returns.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

// One picture to rasterise: its SVG text and where the result goes below game/.
struct Picture {
  std::string path;  // e.g. "gfx/chips/chip1.png"; a ".jpg" path is converted after rendering
  int width = 0;
  int height = 0;
  std::string svg;
};

// printf-style formatting into a std::string.
std::string F(const char* format, ...) __attribute__((format(printf, 1, 2)));
// A number with at most two decimals, without trailing zeros (stable, locale-free).
std::string N(double v);

struct Rgb {
  double r = 0, g = 0, b = 0;  // 0..255
};
Rgb Mix(const Rgb& a, const Rgb& b, double t);
Rgb Scale(const Rgb& a, double k);  // multiply, clamped to 0..255
Rgb Lighten(const Rgb& a, double t);
Rgb Darken(const Rgb& a, double t);
std::string Hex(const Rgb& c);
Rgb FromHex(uint32_t rgb);

// Deterministic random numbers (the same sequence on every machine).
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed * 6364136223846793005ULL + 1442695040888963407ULL) {}
  uint32_t Next();
  double Uniform(double lo, double hi);  // [lo, hi)
  int Int(int lo, int hi);               // [lo, hi]

 private:
  uint64_t state_;
};

struct Pt {
  double x = 0, y = 0;
};
// "M x y L ... Z" for a closed polygon.
std::string PolyPath(const std::vector<Pt>& pts);

// Opening and closing of a document of the given size (viewBox in pixels).
std::string SvgOpen(int w, int h);
std::string SvgClose();
// A Gaussian blur filter definition with the given id and deviation.
std::string BlurFilter(const std::string& id, double deviation);

}  // namespace artgen
