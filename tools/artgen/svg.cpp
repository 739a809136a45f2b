// Formatting, colour and random helpers of the picture generator.
#include "svg.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace artgen {

std::string F(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) std::vsnprintf(out.data(), out.size() + 1, format, args);
  va_end(args);
  return out;
}

std::string N(double v) {
  if (std::fabs(v) < 0.005) return "0";
  std::string s = F("%.2f", v);
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
  return s;
}

static double Clamp255(double v) { return std::clamp(v, 0.0, 255.0); }

Rgb Mix(const Rgb& a, const Rgb& b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb Scale(const Rgb& a, double k) {
  return {Clamp255(a.r * k), Clamp255(a.g * k), Clamp255(a.b * k)};
}
Rgb Lighten(const Rgb& a, double t) { return Mix(a, {255, 255, 255}, t); }
Rgb Darken(const Rgb& a, double t) { return Mix(a, {0, 0, 0}, t); }

std::string Hex(const Rgb& c) {
  auto b = [](double v) { return static_cast<int>(std::lround(Clamp255(v))); };
  return F("#%02x%02x%02x", b(c.r), b(c.g), b(c.b));
}

Rgb FromHex(uint32_t rgb) {
  return {static_cast<double>((rgb >> 16) & 255), static_cast<double>((rgb >> 8) & 255),
          static_cast<double>(rgb & 255)};
}

uint32_t Rng::Next() {
  // PCG32 (XSH RR): small, fast and identical everywhere.
  const uint64_t old = state_;
  state_ = old * 6364136223846793005ULL + 1442695040888963407ULL;
  const auto xorshifted = static_cast<uint32_t>(((old >> 18U) ^ old) >> 27U);
  const auto rot = static_cast<uint32_t>(old >> 59U);
  return (xorshifted >> rot) | (xorshifted << ((32 - rot) & 31));
}

double Rng::Uniform(double lo, double hi) { return lo + (hi - lo) * (Next() / 4294967296.0); }

int Rng::Int(int lo, int hi) {
  return lo + static_cast<int>(Next() % static_cast<uint32_t>(hi - lo + 1));
}

std::string PolyPath(const std::vector<Pt>& pts) {
  std::string d;
  for (size_t i = 0; i < pts.size(); ++i) {
    d += (i == 0 ? "M" : "L") + N(pts[i].x) + " " + N(pts[i].y) + " ";
  }
  d += "Z";
  return d;
}

std::string SvgOpen(int w, int h) {
  return F("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" "
           "viewBox=\"0 0 %d %d\">\n",
           w, h, w, h);
}

std::string SvgClose() { return "</svg>\n"; }

std::string BlurFilter(const std::string& id, double deviation) {
  return "<filter id=\"" + id +
         "\" x=\"-50%\" y=\"-50%\" width=\"200%\" height=\"200%\">"
         "<feGaussianBlur stdDeviation=\"" +
         N(deviation) + "\"/></filter>\n";
}

}  // namespace artgen
