// The seven chip kinds, the bomb chip and the lightning chip: faceted jewels with a soft
// shadow, rim light and a highlight, each kind with its own colour, outline and brightness.
//
// A board is read at a glance, at full size, at 1.25x when picked and at half size in the level
// preview, and many players cannot tell red, orange and green apart. So the seven outlines are
// seven different figures, no two alike in mass or proportion:
//   1 ruby       red          heart
//   2 topaz      amber        hexagon lying on its side (wider than tall, pointed left and right)
//   3 citrine    yellow       five-point star
//   4 emerald    green        emerald cut: upright rectangle with cut corners, narrower than tall
//   5 sapphire   blue         round brilliant, the fullest outline of the set
//   6 amethyst   purple       triangle
//   7 moonstone  pearl white  diamond (rhombus)
// and each kind has its own brightness step as well (see ChipPictures). tests/art checks the
// built pictures: outline overlap, half-size overlap and brightness, also for colour-blind eyes.
#include "gems.h"

#include <cmath>

namespace artgen {

namespace {

constexpr double kPi = 3.14159265358979323846;

std::vector<Pt> Transform(std::vector<Pt> pts, double k, double cx = 24, double cy = 24) {
  for (Pt& p : pts) {
    p.x = cx + (p.x - cx) * k;
    p.y = cy + (p.y - cy) * k;
  }
  return pts;
}

Pt Centroid(const std::vector<Pt>& pts) {
  Pt c;
  for (const Pt& p : pts) {
    c.x += p.x;
    c.y += p.y;
  }
  c.x /= static_cast<double>(pts.size());
  c.y /= static_cast<double>(pts.size());
  return c;
}

}  // namespace

std::vector<Pt> HeartOutline(double k) {
  std::vector<Pt> pts;
  const int n = 32;
  for (int i = 0; i < n; ++i) {
    const double t = 2 * kPi * i / n;
    const double s = std::sin(t);
    const double x = 16 * s * s * s;
    const double y =
        -(13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t));
    pts.push_back({24 + x * 1.36, 24 + (y - 2.6) * 1.36});
  }
  return Transform(pts, k);
}

std::vector<Pt> HexagonOutline(double k) {
  // Lying on its side, wider than tall and pointed left and right: the one flat kind, so it
  // cannot be taken for the tall emerald, the round sapphire or the upright diamond.
  const double half = 23.5, flat = 12, rise = 14;
  std::vector<Pt> pts = {{24 - flat, 24 - rise}, {24 + flat, 24 - rise}, {24 + half, 24},
                         {24 + flat, 24 + rise}, {24 - flat, 24 + rise}, {24 - half, 24}};
  return Transform(pts, k);
}

std::vector<Pt> StarOutline(double k) {
  std::vector<Pt> pts;
  for (int i = 0; i < 10; ++i) {
    const double a = (-90 + 36 * i) * kPi / 180;
    const double r = i % 2 == 0 ? 24.5 : 11.5;
    pts.push_back({24 + r * std::cos(a), 26.2 + r * std::sin(a)});
  }
  return Transform(pts, k);
}

std::vector<Pt> EmeraldCutOutline(double k) {
  // An emerald-cut step stone: an upright rectangle, clearly narrower than tall, with its
  // corners cut.
  const double left = 10.5, right = 37.5, top = 2.5, bottom = 45.5, c = 7;
  std::vector<Pt> pts = {{left + c, top},     {right - c, top},    {right, top + c},
                         {right, bottom - c}, {right - c, bottom}, {left + c, bottom},
                         {left, bottom - c},  {left, top + c}};
  return Transform(pts, k);
}

std::vector<Pt> CircleOutline(double k) {
  std::vector<Pt> pts;
  for (int i = 0; i < 16; ++i) {
    const double a = (-90 + 22.5 * i) * kPi / 180;
    pts.push_back({24 + 22.5 * std::cos(a), 24 + 22.5 * std::sin(a)});
  }
  return Transform(pts, k);
}

std::vector<Pt> TriangleOutline(double k) {
  // Corners softened by a short cut so the gem does not look like a warning sign.
  const double top = 2.5, bottom = 43.5, half = 23.5, cut = 3.2;
  const Pt t{24, top}, r{24 + half, bottom}, l{24 - half, bottom};
  auto along = [](Pt a, Pt b, double d) {
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    return Pt{a.x + (b.x - a.x) * d / len, a.y + (b.y - a.y) * d / len};
  };
  std::vector<Pt> pts = {along(t, l, cut), along(t, r, cut), along(r, t, cut),
                         along(r, l, cut), along(l, r, cut), along(l, t, cut)};
  return Transform(pts, k);
}

std::vector<Pt> RhombusOutline(double k) {
  std::vector<Pt> pts = {{24, 1.5}, {43, 24}, {24, 46.5}, {5, 24}};
  return Transform(pts, k);
}

std::string GemSvg(const std::vector<Pt>& pts, Pt centre, const GemStyle& style,
                   const std::string& id, double scale) {
  std::string s = "<defs>\n";
  const Rgb base = style.base;
  s +=
      F("<radialGradient id=\"%s-body\" gradientUnits=\"userSpaceOnUse\" cx=\"%s\" cy=\"%s\" "
        "r=\"%s\">",
        id.c_str(), N(centre.x - 7 * scale).c_str(), N(centre.y - 9 * scale).c_str(),
        N(30 * scale).c_str());
  s += "<stop offset=\"0\" stop-color=\"" + Hex(Mix(base, style.light, 0.45)) + "\"/>";
  s += "<stop offset=\"0.55\" stop-color=\"" + Hex(base) + "\"/>";
  s += "<stop offset=\"1\" stop-color=\"" + Hex(Mix(base, style.shade, 0.6)) + "\"/>";
  s += "</radialGradient>\n";
  s += F("<linearGradient id=\"%s-table\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\">", id.c_str());
  s += "<stop offset=\"0\" stop-color=\"" + Hex(Mix(base, style.light, 0.55)) + "\"/>";
  s += "<stop offset=\"0.6\" stop-color=\"" + Hex(Mix(base, style.light, 0.1)) + "\"/>";
  s += "<stop offset=\"1\" stop-color=\"" + Hex(Mix(base, style.shade, 0.25)) + "\"/>";
  s += "</linearGradient>\n";
  s +=
      F("<linearGradient id=\"%s-rim\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\">"
        "<stop offset=\"0\" stop-color=\"#ffffff\" stop-opacity=\"0.85\"/>"
        "<stop offset=\"0.5\" stop-color=\"#ffffff\" stop-opacity=\"0.1\"/>"
        "<stop offset=\"1\" stop-color=\"#ffffff\" stop-opacity=\"0\"/></linearGradient>\n",
        id.c_str());
  s += BlurFilter(id + "-soft", 1.3 * scale);
  s += BlurFilter(id + "-glint", 0.7 * scale);
  s += "</defs>\n";

  const std::string outline = PolyPath(pts);
  // Drop shadow, below and to the right (light comes from the top left).
  std::vector<Pt> shadow = pts;
  for (Pt& p : shadow) {
    p.x += 1.0 * scale;
    p.y += 2.0 * scale;
  }
  s += F("<path d=\"%s\" fill=\"#000000\" opacity=\"%s\" filter=\"url(#%s-soft)\"/>\n",
         PolyPath(shadow).c_str(), N(style.shadow).c_str(), id.c_str());
  s += F("<path d=\"%s\" fill=\"url(#%s-body)\"/>\n", outline.c_str(), id.c_str());

  // Facet rings: each band between two rings is split into one quad per outline edge, lit by
  // how much that edge faces the light.
  const double lx = -0.6, ly = -0.8;
  std::vector<std::vector<Pt>> rings;
  for (double k : style.rings) {
    std::vector<Pt> ring;
    for (const Pt& p : pts)
      ring.push_back({centre.x + (p.x - centre.x) * k, centre.y + (p.y - centre.y) * k});
    rings.push_back(ring);
  }
  const size_t n = pts.size();
  for (size_t r = 0; r + 1 < rings.size(); ++r) {
    for (size_t i = 0; i < n; ++i) {
      const Pt& a = rings[r][i];
      const Pt& b = rings[r][(i + 1) % n];
      const Pt& c = rings[r + 1][(i + 1) % n];
      const Pt& d = rings[r + 1][i];
      double mx = (a.x + b.x) / 2 - centre.x, my = (a.y + b.y) / 2 - centre.y;
      const double len = std::hypot(mx, my);
      if (len > 0) {
        mx /= len;
        my /= len;
      }
      double lit = mx * lx + my * ly;
      lit += (i % 2 == 0 ? 0.12 : -0.12);  // alternate facets catch the light differently
      const double inner = static_cast<double>(r) * 0.15;
      Rgb colour =
          lit > 0 ? Mix(base, style.light, 0.55 * lit + inner) : Mix(base, style.shade, -0.5 * lit);
      s += F("<path d=\"%s\" fill=\"%s\" opacity=\"0.82\"/>\n", PolyPath({a, b, c, d}).c_str(),
             Hex(colour).c_str());
    }
  }
  const std::vector<Pt>& table = rings.back();
  s += F("<path d=\"%s\" fill=\"url(#%s-table)\" opacity=\"0.92\"/>\n", PolyPath(table).c_str(),
         id.c_str());
  // Facet edges, thin and light.
  std::string spokes;
  for (size_t i = 0; i < n; ++i) {
    spokes += "M" + N(rings.front()[i].x) + " " + N(rings.front()[i].y) + " L" + N(table[i].x) +
              " " + N(table[i].y) + " ";
  }
  s += F("<path d=\"%s\" fill=\"none\" stroke=\"%s\" stroke-width=\"%s\" opacity=\"0.35\"/>\n",
         spokes.c_str(), Hex(Mix(base, style.light, 0.7)).c_str(), N(0.6 * scale).c_str());
  for (size_t r = 1; r < rings.size(); ++r) {
    s +=
        F("<path d=\"%s\" fill=\"none\" stroke=\"%s\" stroke-width=\"%s\" opacity=\"0.5\" "
          "stroke-linejoin=\"round\"/>\n",
          PolyPath(rings[r]).c_str(), Hex(Mix(base, style.light, 0.75)).c_str(),
          N(0.7 * scale).c_str());
  }
  // Dark rim and rim light.
  s +=
      F("<path d=\"%s\" fill=\"none\" stroke=\"%s\" stroke-width=\"%s\" "
        "stroke-linejoin=\"round\"/>\n",
        outline.c_str(), Hex(Mix(base, style.shade, 0.75)).c_str(), N(1.3 * scale).c_str());
  std::vector<Pt> inset;
  for (const Pt& p : pts) {
    inset.push_back({centre.x + (p.x - centre.x) * 0.93, centre.y + (p.y - centre.y) * 0.93});
  }
  s +=
      F("<path d=\"%s\" fill=\"none\" stroke=\"url(#%s-rim)\" stroke-width=\"%s\" "
        "stroke-linejoin=\"round\"/>\n",
        PolyPath(inset).c_str(), id.c_str(), N(1.1 * scale).c_str());
  // Highlight and a small sparkle.
  const double hx = centre.x - 7 * scale, hy = centre.y - 8 * scale;
  s +=
      F("<ellipse cx=\"%s\" cy=\"%s\" rx=\"%s\" ry=\"%s\" transform=\"rotate(-35 %s %s)\" "
        "fill=\"#ffffff\" opacity=\"0.7\" filter=\"url(#%s-glint)\"/>\n",
        N(hx).c_str(), N(hy).c_str(), N(5.5 * scale).c_str(), N(2.6 * scale).c_str(), N(hx).c_str(),
        N(hy).c_str(), id.c_str());
  const double sx = centre.x - 9.5 * scale, sy = centre.y - 10.5 * scale, r1 = 4.2 * scale,
               r2 = 0.8 * scale;
  s +=
      F("<path d=\"M%s %s L%s %s L%s %s L%s %s L%s %s L%s %s L%s %s L%s %s Z\" "
        "fill=\"#ffffff\"/>\n",
        N(sx).c_str(), N(sy - r1).c_str(), N(sx + r2).c_str(), N(sy - r2).c_str(),
        N(sx + r1).c_str(), N(sy).c_str(), N(sx + r2).c_str(), N(sy + r2).c_str(), N(sx).c_str(),
        N(sy + r1).c_str(), N(sx - r2).c_str(), N(sy + r2).c_str(), N(sx - r1).c_str(),
        N(sy).c_str(), N(sx - r2).c_str(), N(sy - r2).c_str());
  return s;
}

std::string BombSvgBody(double cx, double cy, double radius, const std::string& id, bool rune) {
  const double k = radius / 17.0;
  std::string s = "<defs>\n";
  s +=
      F("<radialGradient id=\"%s-metal\" gradientUnits=\"userSpaceOnUse\" cx=\"%s\" cy=\"%s\" "
        "r=\"%s\"><stop offset=\"0\" stop-color=\"#e8b878\"/>"
        "<stop offset=\"0.35\" stop-color=\"#9a6232\"/>"
        "<stop offset=\"0.8\" stop-color=\"#4a2c18\"/>"
        "<stop offset=\"1\" stop-color=\"#2a170e\"/></radialGradient>\n",
        id.c_str(), N(cx - 6 * k).c_str(), N(cy - 7 * k).c_str(), N(radius * 1.35).c_str());
  s +=
      F("<radialGradient id=\"%s-fire\"><stop offset=\"0\" stop-color=\"#fffbe0\"/>"
        "<stop offset=\"0.35\" stop-color=\"#ffd24a\"/>"
        "<stop offset=\"1\" stop-color=\"#ff7a1a\" stop-opacity=\"0\"/></radialGradient>\n",
        id.c_str());
  s += BlurFilter(id + "-soft", 1.4 * k);
  s += BlurFilter(id + "-glow", 1.6 * k);
  s += "</defs>\n";
  s +=
      F("<ellipse cx=\"%s\" cy=\"%s\" rx=\"%s\" ry=\"%s\" fill=\"#000000\" opacity=\"0.45\" "
        "filter=\"url(#%s-soft)\"/>\n",
        N(cx + 1 * k).c_str(), N(cy + 2.5 * k).c_str(), N(radius).c_str(), N(radius * 0.97).c_str(),
        id.c_str());
  // Fuse collar, then the fuse with its spark.
  const double fx = cx + 10 * k, fy = cy - 12 * k;
  s +=
      F("<g transform=\"rotate(40 %s %s)\"><rect x=\"%s\" y=\"%s\" width=\"%s\" height=\"%s\" "
        "rx=\"%s\" fill=\"#6a4426\" stroke=\"#f6c453\" stroke-width=\"%s\"/></g>\n",
        N(fx).c_str(), N(fy).c_str(), N(fx - 5 * k).c_str(), N(fy - 3.5 * k).c_str(),
        N(10 * k).c_str(), N(7 * k).c_str(), N(1.5 * k).c_str(), N(1.1 * k).c_str());
  s +=
      F("<path d=\"M%s %s Q%s %s %s %s\" fill=\"none\" stroke=\"#c8a070\" stroke-width=\"%s\" "
        "stroke-linecap=\"round\"/>\n",
        N(fx + 2 * k).c_str(), N(fy - 2 * k).c_str(), N(fx + 7 * k).c_str(), N(fy - 4 * k).c_str(),
        N(fx + 6 * k).c_str(), N(fy - 9 * k).c_str(), N(1.8 * k).c_str());
  s += F("<circle cx=\"%s\" cy=\"%s\" r=\"%s\" fill=\"url(#%s-fire)\"/>\n", N(fx + 6 * k).c_str(),
         N(fy - 9.5 * k).c_str(), N(5.5 * k).c_str(), id.c_str());
  s +=
      F("<circle cx=\"%s\" cy=\"%s\" r=\"%s\" fill=\"url(#%s-metal)\" stroke=\"#22130b\" "
        "stroke-width=\"%s\"/>\n",
        N(cx).c_str(), N(cy).c_str(), N(radius).c_str(), id.c_str(), N(1.2 * k).c_str());
  if (rune) {
    // The fire rune: a diamond with a flame stroke, glowing gold.
    const std::string d =
        F("M%s %s L%s %s L%s %s L%s %s Z M%s %s L%s %s M%s %s Q%s %s %s %s", N(cx).c_str(),
          N(cy - 8 * k).c_str(), N(cx + 6 * k).c_str(), N(cy + 1 * k).c_str(), N(cx).c_str(),
          N(cy + 9 * k).c_str(), N(cx - 6 * k).c_str(), N(cy + 1 * k).c_str(), N(cx).c_str(),
          N(cy - 3 * k).c_str(), N(cx).c_str(), N(cy + 5 * k).c_str(), N(cx - 3 * k).c_str(),
          N(cy + 1 * k).c_str(), N(cx).c_str(), N(cy - 1 * k).c_str(), N(cx + 3 * k).c_str(),
          N(cy + 1 * k).c_str());
    s +=
        F("<path d=\"%s\" fill=\"none\" stroke=\"#ff9a2a\" stroke-width=\"%s\" "
          "stroke-linejoin=\"round\" stroke-linecap=\"round\" filter=\"url(#%s-glow)\"/>\n",
          d.c_str(), N(3.2 * k).c_str(), id.c_str());
    s +=
        F("<path d=\"%s\" fill=\"none\" stroke=\"#ffe9a0\" stroke-width=\"%s\" "
          "stroke-linejoin=\"round\" stroke-linecap=\"round\"/>\n",
          d.c_str(), N(1.4 * k).c_str());
  }
  s +=
      F("<ellipse cx=\"%s\" cy=\"%s\" rx=\"%s\" ry=\"%s\" transform=\"rotate(-35 %s %s)\" "
        "fill=\"#fff4dc\" opacity=\"0.55\" filter=\"url(#%s-soft)\"/>\n",
        N(cx - 7 * k).c_str(), N(cy - 8 * k).c_str(), N(5 * k).c_str(), N(2.6 * k).c_str(),
        N(cx - 7 * k).c_str(), N(cy - 8 * k).c_str(), id.c_str());
  return s;
}

namespace {

Picture Chip(int id, const std::vector<Pt>& outline, Pt centre, const GemStyle& style) {
  Picture p;
  p.path = F("gfx/chips/chip%d.png", id);
  p.width = 48;
  p.height = 48;
  p.svg = SvgOpen(48, 48) + GemSvg(outline, centre, style, F("c%d", id)) + SvgClose();
  return p;
}

Picture LightningChip() {
  Picture p;
  p.path = "gfx/chips/chip102.png";
  p.width = 48;
  p.height = 48;
  const std::vector<Pt> crystal = {{24, 1.5},  {38.5, 11}, {38.5, 37},
                                   {24, 46.5}, {9.5, 37},  {9.5, 11}};
  GemStyle style{FromHex(0x5fb8f0), FromHex(0x10306e), FromHex(0xf2fcff), {1.0, 0.62}, 0.45};
  std::string s = SvgOpen(48, 48) + GemSvg(crystal, {24, 24}, style, "c102");
  s += "<defs>" + BlurFilter("bolt-glow", 1.8) + "</defs>\n";
  const std::string bolt = "M27 6 L16 25 L23 25 L19 42 L33 20 L25.5 20 L30 6 Z";
  s += "<path d=\"" + bolt + "\" fill=\"#2aa8ff\" filter=\"url(#bolt-glow)\"/>\n";
  s += "<path d=\"" + bolt +
       "\" fill=\"#fffbd8\" stroke=\"#1d5fd0\" stroke-width=\"1\" stroke-linejoin=\"round\"/>\n";
  s += SvgClose();
  p.svg = s;
  return p;
}

}  // namespace

std::vector<Picture> ChipPictures() {
  std::vector<Picture> out;
  // Brightness steps (mean grey of the built chip, 0..255): amethyst 94 < emerald 110 <
  // ruby 124 < sapphire 149 < topaz 174 < citrine 196 < moonstone 212, so the kinds stay apart
  // in greyscale too. The emerald is a deep green because a brighter one matches the ruby's
  // grey; topaz and sapphire sit far enough apart that the topaz, which darkens for red-blind
  // eyes, stays brighter than the sapphire.
  out.push_back(Chip(1, HeartOutline(), {24, 22},
                     {FromHex(0xe8283f), FromHex(0x4a0010), FromHex(0xffd0d8), {1.0, 0.52}, 0.45}));
  out.push_back(Chip(2, HexagonOutline(), {24, 24},
                     {FromHex(0xffb43c), FromHex(0x6a2200), FromHex(0xfff0c0), {1.0, 0.55}, 0.45}));
  out.push_back(Chip(3, StarOutline(), Centroid(StarOutline()),
                     {FromHex(0xffd92e), FromHex(0x9a5a00), FromHex(0xfffbe0), {1.0, 0.5}, 0.45}));
  out.push_back(
      Chip(4, EmeraldCutOutline(), {24, 24},
           {FromHex(0x0a5a2b), FromHex(0x002e16), FromHex(0xc8ffd8), {1.0, 0.78, 0.56}, 0.45}));
  out.push_back(Chip(5, CircleOutline(), {24, 24},
                     {FromHex(0x55a2f4), FromHex(0x071e6a), FromHex(0xe0f0ff), {1.0, 0.5}, 0.45}));
  out.push_back(Chip(6, TriangleOutline(), {24, 29},
                     {FromHex(0x7428b4), FromHex(0x250040), FromHex(0xf0d8ff), {1.0, 0.5}, 0.45}));
  out.push_back(Chip(7, RhombusOutline(), {24, 24},
                     {FromHex(0xe4e6f2), FromHex(0x6e78a8), FromHex(0xffffff), {1.0, 0.5}, 0.4}));
  Picture bomb;
  bomb.path = "gfx/chips/chip101.png";
  bomb.width = 48;
  bomb.height = 48;
  bomb.svg = SvgOpen(48, 48) + BombSvgBody(23, 27, 17.5, "c101", true) + SvgClose();
  out.push_back(bomb);
  out.push_back(LightningChip());
  return out;
}

}  // namespace artgen
