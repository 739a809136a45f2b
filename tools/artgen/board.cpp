// The cell slabs (plain and still-to-clear), the preview's cell outline, the two chain
// overlays and the chest.
#include <cmath>

#include "generators.h"

namespace artgen {

namespace {

constexpr double kPi = 3.14159265358979323846;

std::string Slab(const std::string& id, const Rgb& top, const Rgb& bottom, double alpha,
                 uint64_t seed) {
  std::string s = "<defs>";
  s += F("<linearGradient id=\"%s-fill\" x1=\"0\" y1=\"0\" x2=\"0.35\" y2=\"1\">"
         "<stop offset=\"0\" stop-color=\"%s\" stop-opacity=\"%s\"/>"
         "<stop offset=\"1\" stop-color=\"%s\" stop-opacity=\"%s\"/></linearGradient>",
         id.c_str(), Hex(top).c_str(), N(alpha).c_str(), Hex(bottom).c_str(),
         N(alpha + 0.08).c_str());
  s += F("<radialGradient id=\"%s-hollow\"><stop offset=\"0\" stop-color=\"#000000\" "
         "stop-opacity=\"0.18\"/><stop offset=\"1\" stop-color=\"#000000\" "
         "stop-opacity=\"0\"/></radialGradient>",
         id.c_str());
  s += "</defs>\n";
  s += F("<rect x=\"1\" y=\"1\" width=\"46\" height=\"46\" rx=\"6\" fill=\"url(#%s-fill)\"/>\n",
         id.c_str());
  // Stone grain: faint flecks, the same on every build.
  Rng rng(seed);
  for (int i = 0; i < 26; ++i) {
    const double x = rng.Uniform(5, 43), y = rng.Uniform(5, 43), r = rng.Uniform(0.5, 1.6);
    const bool light = rng.Int(0, 1) == 1;
    s += F("<circle cx=\"%s\" cy=\"%s\" r=\"%s\" fill=\"%s\" opacity=\"%s\"/>\n", N(x).c_str(),
           N(y).c_str(), N(r).c_str(), light ? "#ffffff" : "#000000",
           N(rng.Uniform(0.03, 0.08)).c_str());
  }
  s += F("<circle cx=\"24\" cy=\"25\" r=\"22\" fill=\"url(#%s-hollow)\"/>\n", id.c_str());
  // Bevel: lit top-left edge, shaded bottom-right edge.
  s += "<path d=\"M2 40 L2 8 Q2 2 8 2 L40 2\" fill=\"none\" stroke=\"#ffffff\" "
       "stroke-opacity=\"0.28\" stroke-width=\"1.5\" stroke-linecap=\"round\"/>\n";
  s += "<path d=\"M46 8 L46 40 Q46 46 40 46 L8 46\" fill=\"none\" stroke=\"#000000\" "
       "stroke-opacity=\"0.35\" stroke-width=\"1.5\" stroke-linecap=\"round\"/>\n";
  return s;
}

Picture Tile0() {
  Picture p{"gfx/tiles/tile0.png", 48, 48, ""};
  p.svg = SvgOpen(48, 48) + Slab("t0", FromHex(0x5a6498), FromHex(0x2c3160), 0.62, 11) +
          SvgClose();
  return p;
}

Picture Tile1() {
  Picture p{"gfx/tiles/tile1.png", 48, 48, ""};
  std::string s = SvgOpen(48, 48) + Slab("t1", FromHex(0x9a6a3a), FromHex(0x5a3420), 0.72, 12);
  s += "<defs>" + BlurFilter("rune-glow", 1.5) + "</defs>\n";
  // The gold rune layer: an inlaid border with corner knots and a faint rune ring, glowing.
  const std::string rune =
      "M9 5 L39 5 Q43 5 43 9 L43 39 Q43 43 39 43 L9 43 Q5 43 5 39 L5 9 Q5 5 9 5 Z";
  s += "<path d=\"" + rune +
       "\" fill=\"none\" stroke=\"#ffcf4a\" stroke-width=\"3\" filter=\"url(#rune-glow)\" "
       "opacity=\"0.9\"/>\n";
  s += "<path d=\"" + rune + "\" fill=\"none\" stroke=\"#ffe9a6\" stroke-width=\"1.3\"/>\n";
  for (int i = 0; i < 4; ++i) {
    const double cx = i % 2 == 0 ? 9 : 39, cy = i < 2 ? 9 : 39;
    s += F("<path d=\"M%s %s L%s %s L%s %s L%s %s Z\" fill=\"#ffe28a\" stroke=\"#b8861e\" "
           "stroke-width=\"0.6\"/>\n",
           N(cx).c_str(), N(cy - 4).c_str(), N(cx + 4).c_str(), N(cy).c_str(), N(cx).c_str(),
           N(cy + 4).c_str(), N(cx - 4).c_str(), N(cy).c_str());
  }
  std::string ticks;
  for (int i = 0; i < 8; ++i) {
    const double a = (22.5 + 45 * i) * kPi / 180;
    ticks += "M" + N(24 + 15 * std::cos(a)) + " " + N(24 + 15 * std::sin(a)) + " L" +
             N(24 + 19 * std::cos(a)) + " " + N(24 + 19 * std::sin(a)) + " ";
  }
  s += "<circle cx=\"24\" cy=\"24\" r=\"15\" fill=\"none\" stroke=\"#ffd966\" "
       "stroke-width=\"1\" opacity=\"0.55\"/>\n";
  s += "<path d=\"" + ticks +
       "\" stroke=\"#ffd966\" stroke-width=\"1.4\" opacity=\"0.8\" stroke-linecap=\"round\"/>\n";
  p.svg = s + SvgClose();
  return p;
}

Picture PreviewFrame() {
  Picture p{"gfx/tiles/frame.png", 58, 58, ""};
  p.svg = SvgOpen(58, 58) +
          "<rect x=\"2\" y=\"2\" width=\"54\" height=\"54\" rx=\"9\" fill=\"#161a30\" "
          "fill-opacity=\"0.75\" stroke=\"#e9d9b0\" stroke-opacity=\"0.9\" "
          "stroke-width=\"3\"/>\n" +
          SvgClose();
  return p;
}

// One iron link centred on (cx, cy), its long axis at angle degrees; faceOn shows the ring,
// otherwise the link is seen edge-on as a bar.
std::string Link(double cx, double cy, double angle, bool faceOn, const std::string& grad) {
  std::string s = F("<g transform=\"translate(%s %s) rotate(%s)\">", N(cx).c_str(),
                    N(cy).c_str(), N(angle).c_str());
  if (faceOn) {
    s += F("<rect x=\"-8.5\" y=\"-5.5\" width=\"17\" height=\"11\" rx=\"5.5\" fill=\"none\" "
           "stroke=\"#1c1d24\" stroke-width=\"4.6\"/>"
           "<rect x=\"-8.5\" y=\"-5.5\" width=\"17\" height=\"11\" rx=\"5.5\" fill=\"none\" "
           "stroke=\"url(#%s)\" stroke-width=\"3\"/>",
           grad.c_str());
  } else {
    s += F("<rect x=\"-9.5\" y=\"-2.6\" width=\"19\" height=\"5.2\" rx=\"2.6\" "
           "fill=\"url(#%s)\" stroke=\"#1c1d24\" stroke-width=\"0.9\"/>",
           grad.c_str());
  }
  return s + "</g>\n";
}

std::string ChainAlong(double angle, const std::string& id) {
  std::string s = "<defs>";
  s += F("<linearGradient id=\"%s-iron\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
         "<stop offset=\"0\" stop-color=\"#e4e8f0\"/><stop offset=\"0.45\" "
         "stop-color=\"#9298a8\"/><stop offset=\"1\" stop-color=\"#4a4e5c\"/></linearGradient>",
         id.c_str());
  s += BlurFilter(id + "-shadow", 1.2) + "</defs>\n";
  const double rad = angle * kPi / 180;
  const double dx = std::cos(rad), dy = std::sin(rad);
  std::string links;
  for (int i = -2; i <= 2; ++i) {
    links += Link(24 + dx * 11.5 * i, 24 + dy * 11.5 * i, angle, i % 2 == 0, id + "-iron");
  }
  s += "<g transform=\"translate(1 2)\" opacity=\"0.5\" filter=\"url(#" + id + "-shadow)\">" +
       links + "</g>\n";
  s += links;
  return s;
}

Picture Chain(int n) {
  Picture p{F("gfx/tiles/chain%d.png", n), 48, 48, ""};
  std::string s = SvgOpen(48, 48) + ChainAlong(45, "a");
  if (n == 2) s += ChainAlong(-45, "b");
  p.svg = s + SvgClose();
  return p;
}

Picture Chest() {
  Picture p{"gfx/tiles/chest.png", 48, 48, ""};
  std::string s = SvgOpen(48, 48);
  s += "<defs><linearGradient id=\"wood\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
       "<stop offset=\"0\" stop-color=\"#b9743a\"/><stop offset=\"1\" "
       "stop-color=\"#6a3a1a\"/></linearGradient>"
       "<linearGradient id=\"lid\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
       "<stop offset=\"0\" stop-color=\"#d08a48\"/><stop offset=\"1\" "
       "stop-color=\"#87491f\"/></linearGradient>"
       "<linearGradient id=\"iron\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"0\">"
       "<stop offset=\"0\" stop-color=\"#8c909c\"/><stop offset=\"0.5\" "
       "stop-color=\"#d6dae2\"/><stop offset=\"1\" stop-color=\"#5a5e6a\"/></linearGradient>"
       "<linearGradient id=\"gold\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
       "<stop offset=\"0\" stop-color=\"#ffe79a\"/><stop offset=\"1\" "
       "stop-color=\"#c98a1c\"/></linearGradient>" +
       BlurFilter("chest-shadow", 1.4) + "</defs>\n";
  s += "<ellipse cx=\"25\" cy=\"43.5\" rx=\"20\" ry=\"3.2\" fill=\"#000000\" opacity=\"0.5\" "
       "filter=\"url(#chest-shadow)\"/>\n";
  // Box, then the rounded lid.
  s += "<rect x=\"4.5\" y=\"22\" width=\"39\" height=\"21\" rx=\"2.5\" fill=\"url(#wood)\" "
       "stroke=\"#2e1808\" stroke-width=\"1.2\"/>\n";
  s += "<path d=\"M7 30 L41 30 M7 37 L41 37\" stroke=\"#4a2610\" stroke-width=\"0.9\" "
       "opacity=\"0.7\"/>\n";
  s += "<path d=\"M4.5 22 L4.5 16 Q4.5 6 24 6 Q43.5 6 43.5 16 L43.5 22 Z\" fill=\"url(#lid)\" "
       "stroke=\"#2e1808\" stroke-width=\"1.2\" stroke-linejoin=\"round\"/>\n";
  s += "<path d=\"M8 12.5 Q24 7 40 12.5\" fill=\"none\" stroke=\"#f0b878\" stroke-width=\"1.2\" "
       "opacity=\"0.7\"/>\n";
  // Iron bands over lid and box, and a rim between them.
  for (double x : {9.0, 35.0}) {
    s += F("<path d=\"M%s 8.6 L%s 43 L%s 43 L%s 7.8 Z\" fill=\"url(#iron)\" stroke=\"#23252c\" "
           "stroke-width=\"0.8\"/>\n",
           N(x).c_str(), N(x).c_str(), N(x + 4).c_str(), N(x + 4).c_str());
    s += F("<circle cx=\"%s\" cy=\"27\" r=\"0.9\" fill=\"#2a2c33\"/><circle cx=\"%s\" cy=\"38\" "
           "r=\"0.9\" fill=\"#2a2c33\"/>\n",
           N(x + 2).c_str(), N(x + 2).c_str());
  }
  s += "<rect x=\"4\" y=\"20.5\" width=\"40\" height=\"3.5\" rx=\"1.2\" fill=\"url(#iron)\" "
       "stroke=\"#23252c\" stroke-width=\"0.8\"/>\n";
  // Gold lock plate with its keyhole.
  s += "<path d=\"M19.5 18 L28.5 18 L28.5 28 Q24 32 19.5 28 Z\" fill=\"url(#gold)\" "
       "stroke=\"#6a4308\" stroke-width=\"0.9\"/>\n";
  s += "<circle cx=\"24\" cy=\"22.6\" r=\"1.7\" fill=\"#2a1804\"/>"
       "<path d=\"M23.2 23.5 L24.8 23.5 L25.3 27 L22.7 27 Z\" fill=\"#2a1804\"/>\n";
  p.svg = s + SvgClose();
  return p;
}

}  // namespace

std::vector<Picture> BoardPictures() {
  return {Tile0(), Tile1(), PreviewFrame(), Chain(1), Chain(2), Chest()};
}

}  // namespace artgen
