// Particle pictures: white or grey light shapes with soft edges (the game tints them and adds
// them as light), the chain link and chest splinters in natural colours, and the menu glints.
#include <cmath>

#include "generators.h"

namespace artgen {

namespace {

constexpr double kPi = 3.14159265358979323846;

std::string SoftDisc(double cx, double cy, double r, double core, const std::string& id) {
  return F("<defs><radialGradient id=\"%s\"><stop offset=\"0\" stop-color=\"#ffffff\" "
           "stop-opacity=\"%s\"/><stop offset=\"0.35\" stop-color=\"#ffffff\" "
           "stop-opacity=\"%s\"/><stop offset=\"0.7\" stop-color=\"#ffffff\" "
           "stop-opacity=\"%s\"/><stop offset=\"1\" stop-color=\"#ffffff\" "
           "stop-opacity=\"0\"/></radialGradient></defs>\n"
           "<circle cx=\"%s\" cy=\"%s\" r=\"%s\" fill=\"url(#%s)\"/>\n",
           id.c_str(), N(core).c_str(), N(core * 0.55).c_str(), N(core * 0.15).c_str(),
           N(cx).c_str(), N(cy).c_str(), N(r).c_str(), id.c_str());
}

// A star of n rays: long thin spikes around (cx, cy).
std::string Rays(double cx, double cy, int n, double outer, double inner, double turn,
                 const std::string& fill, double opacity) {
  std::vector<Pt> pts;
  for (int i = 0; i < 2 * n; ++i) {
    const double a = (turn + 180.0 * i / n) * kPi / 180;
    const double r = i % 2 == 0 ? outer : inner;
    pts.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  return F("<path d=\"%s\" fill=\"%s\" opacity=\"%s\"/>\n", PolyPath(pts).c_str(), fill.c_str(),
           N(opacity).c_str());
}

Picture Make(const std::string& name, int w, int h, const std::string& body) {
  return {"gfx/particles/" + name + ".png", w, h, SvgOpen(w, h) + body + SvgClose()};
}

std::string Blurred(const std::string& id, double dev, const std::string& inner) {
  return "<defs>" + BlurFilter(id, dev) + "</defs><g filter=\"url(#" + id + ")\">" + inner +
         "</g>\n";
}

Picture Cloud(int n) {
  Rng rng(100 + n);
  std::string puffs;
  for (int i = 0; i < 7; ++i) {
    const double x = rng.Uniform(26, 70), y = rng.Uniform(26, 40), r = rng.Uniform(12, 20);
    const int grey = rng.Int(200, 255);
    puffs += F("<circle cx=\"%s\" cy=\"%s\" r=\"%s\" fill=\"#%02x%02x%02x\" opacity=\"0.6\"/>",
               N(x).c_str(), N(y).c_str(), N(r).c_str(), grey, grey, grey);
  }
  return Make(F("cloud-%d", n), 96, 64, Blurred("c", 5, puffs));
}

Picture ChestPart(int n) {
  const double w = 16 + 3 * n, h = 9 + (n % 2) * 3;
  std::string s = F("<g transform=\"rotate(%d 14 10)\">", -12 + 9 * n);
  s += F("<path d=\"M3 %s L%s 3 L%s %s L6 %s Z\" fill=\"#a8622e\" stroke=\"#3a1e0a\" "
         "stroke-width=\"1\" stroke-linejoin=\"round\"/>",
         N(3 + h * 0.2).c_str(), N(3 + w).c_str(), N(1 + w).c_str(), N(3 + h).c_str(),
         N(3 + h).c_str());
  s += F("<path d=\"M5 %s L%s %s\" stroke=\"#e0a060\" stroke-width=\"1\" opacity=\"0.7\"/>",
         N(5 + h * 0.2).c_str(), N(w).c_str(), N(5).c_str());
  if (n % 2 == 0) {
    s += F("<rect x=\"%s\" y=\"2.5\" width=\"3.5\" height=\"%s\" fill=\"#8e929e\" "
           "stroke=\"#2a2c33\" stroke-width=\"0.6\"/>",
           N(w * 0.5).c_str(), N(h + 1).c_str());
  }
  s += "</g>";
  return Make(F("chest-part-%d", n), 30, 20, s);
}

// Menu glint: a horizontal lens streak with a four-point star, centred on its handle.
Picture Glint(int n, int w, int h) {
  const double cx = w / 2.0, cy = h / 2.0;
  std::string s = "<defs><radialGradient id=\"s\"><stop offset=\"0\" stop-color=\"#ffffff\" "
                  "stop-opacity=\"0.9\"/><stop offset=\"1\" stop-color=\"#ffffff\" "
                  "stop-opacity=\"0\"/></radialGradient>" +
                  BlurFilter("b", 1.2) + "</defs>\n";
  s += F("<ellipse cx=\"%s\" cy=\"%s\" rx=\"%s\" ry=\"%s\" fill=\"url(#s)\"/>\n", N(cx).c_str(),
         N(cy).c_str(), N(cx - 1).c_str(), N(std::max(2.0, h * 0.07)).c_str());
  s += F("<circle cx=\"%s\" cy=\"%s\" r=\"%s\" fill=\"url(#s)\"/>\n", N(cx).c_str(),
         N(cy).c_str(), N(std::min(cx, cy) * 0.7).c_str());
  const double star = std::min(cx, cy) - 1;
  s += "<g filter=\"url(#b)\">" + Rays(cx, cy, 4, star, star * 0.12, -90, "#ffffff", 0.9) +
       "</g>";
  s += Rays(cx, cy, 4, star * 0.8, star * 0.08, -90, "#ffffff", 1);
  return Make(F("menu-%d", n), w, h, s);
}

}  // namespace

std::vector<Picture> ParticlePictures() {
  std::vector<Picture> out;
  out.push_back(Make("part0", 32, 32, SoftDisc(16, 16, 16, 1, "g")));
  out.push_back(Make("part1", 24, 24,
                     SoftDisc(12, 12, 9, 0.8, "g") +
                         Rays(12, 12, 4, 11.5, 1.6, -90, "#ffffff", 0.95)));
  out.push_back(Make("part2", 24, 24,
                     SoftDisc(12, 12, 8, 0.7, "g") + Blurred("b", 0.8,
                                                             "<path d=\"M12 1 L14.5 12 L12 23 "
                                                             "L9.5 12 Z\" fill=\"#ffffff\"/>") +
                         "<path d=\"M12 3 L13.3 12 L12 21 L10.7 12 Z\" fill=\"#ffffff\"/>\n"));
  out.push_back(Make("part3", 128, 128,
                     "<defs><radialGradient id=\"g\"><stop offset=\"0\" stop-color=\"#ffffff\" "
                     "stop-opacity=\"1\"/><stop offset=\"0.15\" stop-color=\"#ffffff\" "
                     "stop-opacity=\"0.75\"/><stop offset=\"0.4\" stop-color=\"#ffffff\" "
                     "stop-opacity=\"0.3\"/><stop offset=\"0.7\" stop-color=\"#ffffff\" "
                     "stop-opacity=\"0.08\"/><stop offset=\"1\" stop-color=\"#ffffff\" "
                     "stop-opacity=\"0\"/></radialGradient></defs>"
                     "<circle cx=\"64\" cy=\"64\" r=\"64\" fill=\"url(#g)\"/>\n"));
  out.push_back(Make("part4", 16, 16,
                     SoftDisc(8, 8, 6, 0.8, "g") + Rays(8, 8, 4, 7.8, 1.2, -90, "#ffffff", 1)));
  out.push_back(Make("1", 32, 32,
                     SoftDisc(16, 16, 11, 0.8, "g") +
                         Rays(16, 16, 4, 15.5, 2, -90, "#ffffff", 1) +
                         Rays(16, 16, 4, 8, 1.5, -45, "#ffffff", 0.7)));
  out.push_back(Make("2", 32, 32,
                     SoftDisc(16, 16, 10, 0.7, "g") + Rays(16, 16, 6, 15, 2.2, -90, "#f0f0f0", 1)));
  out.push_back(Make("3", 32, 32,
                     SoftDisc(16, 16, 10, 0.6, "g") + Rays(16, 16, 5, 14, 6, -90, "#ffffff", 1)));
  out.push_back(Make("4", 24, 24,
                     SoftDisc(12, 12, 12, 0.5, "g") +
                         "<circle cx=\"12\" cy=\"12\" r=\"4\" fill=\"#ffffff\" opacity=\"0.9\"/>"));
  out.push_back(Make("5", 32, 32,
                     SoftDisc(16, 16, 14, 0.9, "g") + Rays(16, 16, 8, 15.5, 4, -90, "#ffffff", 0.8) +
                         Rays(16, 16, 8, 10, 3, -67.5, "#e8e8e8", 0.7)));
  out.push_back(Make("6", 32, 32,
                     "<circle cx=\"16\" cy=\"16\" r=\"11\" fill=\"none\" stroke=\"#ffffff\" "
                     "stroke-width=\"3\" opacity=\"0.8\"/>" +
                         Blurred("b", 1.5,
                                 "<circle cx=\"16\" cy=\"16\" r=\"11\" fill=\"none\" "
                                 "stroke=\"#ffffff\" stroke-width=\"4\"/>")));
  for (int n = 1; n <= 4; ++n) out.push_back(Cloud(n));
  out.push_back(Make("chain", 16, 16,
                     "<defs><linearGradient id=\"i\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
                     "<stop offset=\"0\" stop-color=\"#e4e8f0\"/><stop offset=\"0.5\" "
                     "stop-color=\"#9298a8\"/><stop offset=\"1\" stop-color=\"#4a4e5c\"/>"
                     "</linearGradient></defs><g transform=\"rotate(45 8 8)\">"
                     "<rect x=\"1.5\" y=\"4\" width=\"13\" height=\"8\" rx=\"4\" fill=\"none\" "
                     "stroke=\"#1c1d24\" stroke-width=\"3.6\"/><rect x=\"1.5\" y=\"4\" "
                     "width=\"13\" height=\"8\" rx=\"4\" fill=\"none\" stroke=\"url(#i)\" "
                     "stroke-width=\"2.2\"/></g>\n"));
  out.push_back(Make("rain", 8, 32,
                     Blurred("b", 0.8,
                             "<path d=\"M4 2 L5.2 28 Q4 31 2.8 28 Z\" fill=\"#ffffff\" "
                             "opacity=\"0.85\"/>")));
  out.push_back(Make("ring", 64, 64,
                     Blurred("b", 2,
                             "<circle cx=\"32\" cy=\"32\" r=\"24\" fill=\"none\" "
                             "stroke=\"#ffffff\" stroke-width=\"5\" opacity=\"0.8\"/>") +
                         "<circle cx=\"32\" cy=\"32\" r=\"24\" fill=\"none\" stroke=\"#ffffff\" "
                         "stroke-width=\"1.5\"/>"));
  for (int n = 0; n < 4; ++n) out.push_back(ChestPart(n));
  // Each glint picture is twice its handle, so the handle is its centre.
  out.push_back(Glint(0, 202, 68));
  out.push_back(Glint(1, 118, 40));
  out.push_back(Glint(2, 60, 62));
  out.push_back(Glint(3, 66, 42));
  out.push_back(Glint(4, 68, 42));
  return out;
}

}  // namespace artgen
