// The ten level backgrounds, one per region of the journey (orchards, river meadows, lake
// country, forest, marsh, high pastures, mountain pass, ice lakes, star peaks, the Loom at dawn).
// Each is painted procedurally: sky, glow, far ranges, hills, the region's features, mist, a
// painterly grain, and a soft darkening under the board so the chips always read first.
#include <algorithm>
#include <cmath>

#include "generators.h"

namespace artgen {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kW = 1024, kH = 768;

// A ridge line across the picture by midpoint displacement.
std::vector<Pt> Ridge(Rng& rng, double baseY, double rough, int levels) {
  int n = 1 << levels;
  std::vector<double> y(n + 1, baseY);
  y[0] = baseY + rng.Uniform(-rough, rough);
  y[n] = baseY + rng.Uniform(-rough, rough);
  double r = rough;
  for (int step = n; step > 1; step /= 2, r *= 0.55) {
    for (int i = 0; i < n; i += step) {
      y[i + step / 2] = (y[i] + y[i + step]) / 2 + rng.Uniform(-r, r);
    }
  }
  std::vector<Pt> pts;
  for (int i = 0; i <= n; ++i) pts.push_back({-20 + (kW + 40.0) * i / n, y[i]});
  return pts;
}

std::string RidgePath(const std::vector<Pt>& ridge, double bottom) {
  std::string d = "M" + N(ridge.front().x) + " " + N(bottom);
  for (const Pt& p : ridge) d += " L" + N(p.x) + " " + N(p.y);
  d += " L" + N(ridge.back().x) + " " + N(bottom) + " Z";
  return d;
}

// Smooth rolling hill line through a few random heights.
std::string HillPath(Rng& rng, double baseY, double amp, int bumps, double bottom) {
  std::vector<Pt> pts;
  for (int i = 0; i <= bumps; ++i) {
    pts.push_back({-40 + (kW + 80.0) * i / bumps, baseY + rng.Uniform(-amp, amp)});
  }
  std::string d = "M" + N(pts[0].x) + " " + N(bottom) + " L" + N(pts[0].x) + " " + N(pts[0].y);
  for (size_t i = 1; i < pts.size(); ++i) {
    const double mx = (pts[i - 1].x + pts[i].x) / 2;
    d += " C" + N(mx) + " " + N(pts[i - 1].y) + " " + N(mx) + " " + N(pts[i].y) + " " +
         N(pts[i].x) + " " + N(pts[i].y);
  }
  d += " L" + N(pts.back().x) + " " + N(bottom) + " Z";
  return d;
}

std::string Gradient(const std::string& id, const Rgb& a, const Rgb& b, double x2 = 0,
                     double y2 = 1) {
  return F("<linearGradient id=\"%s\" x1=\"0\" y1=\"0\" x2=\"%s\" y2=\"%s\"><stop offset=\"0\" "
           "stop-color=\"%s\"/><stop offset=\"1\" stop-color=\"%s\"/></linearGradient>",
           id.c_str(), N(x2).c_str(), N(y2).c_str(), Hex(a).c_str(), Hex(b).c_str());
}

std::string Fill(const std::string& d, const std::string& fill, double opacity = 1,
                 const std::string& filter = "") {
  return "<path d=\"" + d + "\" fill=\"" + fill + "\" opacity=\"" + N(opacity) + "\"" +
         (filter.empty() ? "" : " filter=\"url(#" + filter + ")\"") + "/>\n";
}

struct Painter {
  std::string defs, body;
  int gradients = 0;
  std::string Grad(const Rgb& a, const Rgb& b) {
    const std::string id = F("g%d", gradients++);
    defs += Gradient(id, a, b);
    return "url(#" + id + ")";
  }
};

void Sky(Painter& p, const Rgb& top, const Rgb& horizon, double horizonY) {
  p.defs += F("<linearGradient id=\"sky\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"0\" "
              "x2=\"0\" y2=\"%s\"><stop offset=\"0\" stop-color=\"%s\"/><stop offset=\"1\" "
              "stop-color=\"%s\"/></linearGradient>",
              N(horizonY).c_str(), Hex(top).c_str(), Hex(horizon).c_str());
  p.body += "<rect x=\"0\" y=\"0\" width=\"1024\" height=\"768\" fill=\"url(#sky)\"/>\n";
}

void Glow(Painter& p, double x, double y, double r, const Rgb& c, double strength) {
  const std::string id = F("glow%d", p.gradients++);
  p.defs += F("<radialGradient id=\"%s\"><stop offset=\"0\" stop-color=\"%s\" "
              "stop-opacity=\"%s\"/><stop offset=\"0.25\" stop-color=\"%s\" stop-opacity=\"%s\"/>"
              "<stop offset=\"1\" stop-color=\"%s\" stop-opacity=\"0\"/></radialGradient>",
              id.c_str(), Hex(Lighten(c, 0.6)).c_str(), N(strength).c_str(), Hex(c).c_str(),
              N(strength * 0.5).c_str(), Hex(c).c_str());
  p.body += F("<circle cx=\"%s\" cy=\"%s\" r=\"%s\" fill=\"url(#%s)\"/>\n", N(x).c_str(),
              N(y).c_str(), N(r).c_str(), id.c_str());
}

void Clouds(Painter& p, Rng& rng, int n, double y0, double y1, const Rgb& c, double opacity) {
  for (int i = 0; i < n; ++i) {
    const double x = rng.Uniform(-50, 1070), y = rng.Uniform(y0, y1);
    const double rx = rng.Uniform(80, 200), ry = rng.Uniform(12, 30);
    p.body += F("<ellipse cx=\"%s\" cy=\"%s\" rx=\"%s\" ry=\"%s\" fill=\"%s\" opacity=\"%s\" "
                "filter=\"url(#soft)\"/>\n",
                N(x).c_str(), N(y).c_str(), N(rx).c_str(), N(ry).c_str(), Hex(c).c_str(),
                N(opacity).c_str());
  }
}

void Mountains(Painter& p, Rng& rng, double baseY, double rough, const Rgb& top, const Rgb& bottom,
               double snowLine, const Rgb& snow) {
  const std::vector<Pt> ridge = Ridge(rng, baseY, rough, 6);
  p.body += Fill(RidgePath(ridge, kH), p.Grad(top, bottom));
  if (snowLine > 0) {
    std::string d = "M" + N(ridge.front().x) + " " + N(std::max(ridge.front().y, snowLine));
    for (const Pt& q : ridge) d += " L" + N(q.x) + " " + N(q.y);
    for (auto it = ridge.rbegin(); it != ridge.rend(); ++it) {
      d += " L" + N(it->x) + " " + N(std::max(it->y, snowLine + rng.Uniform(-6, 10)));
    }
    p.body += Fill(d + " Z", Hex(snow), 0.85);
  }
}

void RoundTrees(Painter& p, Rng& rng, int n, double y0, double y1, double size, const Rgb& leaf,
                const Rgb& fruit, bool withFruit) {
  for (int i = 0; i < n; ++i) {
    const double y = y0 + (y1 - y0) * i / std::max(1, n - 1) + rng.Uniform(-6, 6);
    const double x = rng.Uniform(-20, 1044);
    const double k = size * (0.6 + 0.4 * (y - y0) / std::max(1.0, y1 - y0));
    const Rgb shade = Mix(leaf, {10, 20, 30}, 0.45);
    p.body += F("<rect x=\"%s\" y=\"%s\" width=\"%s\" height=\"%s\" fill=\"#3a2618\"/>\n",
                N(x - k * 0.08).c_str(), N(y).c_str(), N(k * 0.16).c_str(), N(k * 0.6).c_str());
    p.body += F("<circle cx=\"%s\" cy=\"%s\" r=\"%s\" fill=\"%s\"/>\n", N(x + k * 0.05).c_str(),
                N(y - k * 0.14).c_str(), N(k * 0.52).c_str(), Hex(shade).c_str());
    p.body += F("<circle cx=\"%s\" cy=\"%s\" r=\"%s\" fill=\"%s\"/>\n", N(x - k * 0.06).c_str(),
                N(y - k * 0.2).c_str(), N(k * 0.47).c_str(), Hex(leaf).c_str());
    if (withFruit) {
      for (int f = 0; f < 4; ++f) {
        p.body += F("<circle cx=\"%s\" cy=\"%s\" r=\"%s\" fill=\"%s\"/>\n",
                    N(x + rng.Uniform(-k * 0.4, k * 0.4)).c_str(),
                    N(y - k * 0.15 + rng.Uniform(-k * 0.3, k * 0.25)).c_str(),
                    N(k * 0.06).c_str(), Hex(fruit).c_str());
      }
    }
  }
}

void Conifers(Painter& p, Rng& rng, int n, double baseY, double height, const Rgb& c,
              double spread = 10) {
  for (int i = 0; i < n; ++i) {
    const double x = -30 + (kW + 60.0) * i / n + rng.Uniform(-spread, spread);
    const double h = height * rng.Uniform(0.7, 1.25), w = h * 0.32;
    const double y = baseY + rng.Uniform(-8, 8);
    std::string d;
    for (int tier = 0; tier < 3; ++tier) {
      const double top = y - h + tier * h * 0.25, bottom = y - h * 0.35 + tier * h * 0.22;
      const double half = w * (0.55 + 0.25 * tier);
      d += "M" + N(x) + " " + N(top) + " L" + N(x + half) + " " + N(bottom) + " L" +
           N(x - half) + " " + N(bottom) + " Z ";
    }
    d += "M" + N(x - w * 0.08) + " " + N(y - h * 0.2) + " L" + N(x + w * 0.08) + " " +
         N(y - h * 0.2) + " L" + N(x + w * 0.08) + " " + N(y + 4) + " L" + N(x - w * 0.08) + " " +
         N(y + 4) + " Z";
    p.body += Fill(d, Hex(Mix(c, {0, 0, 0}, rng.Uniform(0, 0.15))));
  }
}

void Water(Painter& p, Rng& rng, double y0, double y1, const Rgb& top, const Rgb& bottom,
           const Rgb& glint) {
  p.body += F("<rect x=\"0\" y=\"%s\" width=\"1024\" height=\"%s\" fill=\"%s\"/>\n",
              N(y0).c_str(), N(y1 - y0).c_str(), p.Grad(top, bottom).c_str());
  for (int i = 0; i < 40; ++i) {
    const double y = rng.Uniform(y0 + 4, y1 - 4), x = rng.Uniform(0, 1024);
    const double w = rng.Uniform(20, 90) * (0.5 + (y - y0) / (y1 - y0));
    p.body += F("<rect x=\"%s\" y=\"%s\" width=\"%s\" height=\"1.6\" rx=\"0.8\" fill=\"%s\" "
                "opacity=\"%s\"/>\n",
                N(x).c_str(), N(y).c_str(), N(w).c_str(), Hex(glint).c_str(),
                N(rng.Uniform(0.15, 0.4)).c_str());
  }
}

void Mist(Painter& p, double y, double h, const Rgb& c, double opacity) {
  p.body += F("<rect x=\"-60\" y=\"%s\" width=\"1144\" height=\"%s\" fill=\"%s\" opacity=\"%s\" "
              "filter=\"url(#mist)\"/>\n",
              N(y).c_str(), N(h).c_str(), Hex(c).c_str(), N(opacity).c_str());
}

void Stars(Painter& p, Rng& rng, int n, double maxY) {
  for (int i = 0; i < n; ++i) {
    const double r = rng.Uniform(0.5, 1.6);
    p.body += F("<circle cx=\"%s\" cy=\"%s\" r=\"%s\" fill=\"#fff8e8\" opacity=\"%s\"/>\n",
                N(rng.Uniform(0, 1024)).c_str(), N(rng.Uniform(0, maxY)).c_str(), N(r).c_str(),
                N(rng.Uniform(0.35, 0.95)).c_str());
  }
}

void Ribbon(Painter& p, Rng& rng, double y, double amp, const Rgb& c, double width,
            double opacity) {
  std::string d = "M-40 " + N(y);
  for (int i = 0; i < 5; ++i) {
    const double x0 = -40 + i * 276.0;
    d += " C" + N(x0 + 92) + " " + N(y - amp + rng.Uniform(-20, 20)) + " " + N(x0 + 184) + " " +
         N(y + amp + rng.Uniform(-20, 20)) + " " + N(x0 + 276) + " " + N(y + rng.Uniform(-15, 15));
  }
  p.body += F("<path d=\"%s\" fill=\"none\" stroke=\"%s\" stroke-width=\"%s\" opacity=\"%s\" "
              "stroke-linecap=\"round\" filter=\"url(#soft)\"/>\n",
              d.c_str(), Hex(c).c_str(), N(width).c_str(), N(opacity).c_str());
  p.body += F("<path d=\"%s\" fill=\"none\" stroke=\"%s\" stroke-width=\"%s\" opacity=\"%s\" "
              "stroke-linecap=\"round\"/>\n",
              d.c_str(), Hex(Lighten(c, 0.5)).c_str(), N(width * 0.18).c_str(),
              N(opacity).c_str());
}

void Grass(Painter& p, Rng& rng, int n, double y0, double y1, const Rgb& c, double len) {
  std::string d;
  for (int i = 0; i < n; ++i) {
    const double x = rng.Uniform(0, 1024), y = rng.Uniform(y0, y1), l = len * rng.Uniform(0.5, 1.3);
    d += "M" + N(x) + " " + N(y) + " q" + N(rng.Uniform(-4, 4)) + " " + N(-l / 2) + " " +
         N(rng.Uniform(-8, 8)) + " " + N(-l) + " ";
  }
  p.body += "<path d=\"" + d + "\" fill=\"none\" stroke=\"" + Hex(c) +
            "\" stroke-width=\"1.6\" stroke-linecap=\"round\" opacity=\"0.8\"/>\n";
}

std::string Finish(Painter& p, int seed, double dim) {
  std::string s = SvgOpen(kW, kH) + "<defs>" + BlurFilter("soft", 6) + BlurFilter("mist", 18) +
                  BlurFilter("haze", 2.2);
  // Painterly grain: fractal noise turned into patches of shade.
  s += F("<filter id=\"grain\" x=\"0\" y=\"0\" width=\"100%%\" height=\"100%%\">"
         "<feTurbulence type=\"fractalNoise\" baseFrequency=\"0.008 0.014\" numOctaves=\"3\" "
         "seed=\"%d\"/><feColorMatrix type=\"matrix\" values=\"0 0 0 0 0.05  0 0 0 0 0.04  "
         "0 0 0 0 0.08  0.55 0 0 0 -0.18\"/></filter>",
         seed);
  s += "<radialGradient id=\"calm\" cx=\"0.5\" cy=\"0.477\" r=\"0.5\"><stop offset=\"0\" "
       "stop-color=\"#05060f\" stop-opacity=\"" +
       N(dim) +
       "\"/><stop offset=\"0.6\" stop-color=\"#05060f\" stop-opacity=\"" + N(dim * 0.7) +
       "\"/><stop offset=\"1\" stop-color=\"#05060f\" stop-opacity=\"0\"/></radialGradient>"
       "<radialGradient id=\"vignette\" cx=\"0.5\" cy=\"0.5\" r=\"0.75\"><stop offset=\"0.55\" "
       "stop-color=\"#05060f\" stop-opacity=\"0\"/><stop offset=\"1\" stop-color=\"#05060f\" "
       "stop-opacity=\"0.65\"/></radialGradient>";
  s += p.defs + "</defs>\n<g filter=\"url(#haze)\">\n" + p.body + "</g>\n";
  s += "<rect x=\"0\" y=\"0\" width=\"1024\" height=\"768\" fill=\"#000000\" "
       "filter=\"url(#grain)\"/>\n";
  s += "<ellipse cx=\"512\" cy=\"366\" rx=\"430\" ry=\"360\" fill=\"url(#calm)\"/>\n";
  s += "<rect x=\"0\" y=\"0\" width=\"1024\" height=\"768\" fill=\"url(#vignette)\"/>\n";
  return s + SvgClose();
}

Picture Orchards() {
  Painter p;
  Rng rng(1);
  Sky(p, FromHex(0x6a5a9a), FromHex(0xf3b070), 330);
  Glow(p, 250, 300, 420, FromHex(0xffd27a), 0.8);
  Clouds(p, rng, 8, 60, 220, FromHex(0xffe0c0), 0.35);
  Mountains(p, rng, 300, 50, FromHex(0x8a7ab0), FromHex(0xb08aa0), 0, {});
  p.body += Fill(HillPath(rng, 360, 22, 5, kH), p.Grad(FromHex(0x8aa050), FromHex(0x4a6a30)));
  RoundTrees(p, rng, 26, 370, 420, 34, FromHex(0x5a8a3a), FromHex(0xe05a3a), true);
  p.body += Fill(HillPath(rng, 470, 30, 4, kH), p.Grad(FromHex(0x6a8a38), FromHex(0x2e4a22)));
  RoundTrees(p, rng, 14, 470, 560, 70, FromHex(0x4a7a2e), FromHex(0xf07a2a), true);
  p.body += Fill(HillPath(rng, 640, 30, 4, kH), p.Grad(FromHex(0x3e5a26), FromHex(0x1e2e16)));
  RoundTrees(p, rng, 5, 650, 720, 130, FromHex(0x3a5e24), FromHex(0xe84a30), true);
  Mist(p, 330, 60, FromHex(0xffe6c0), 0.35);
  return {"gfx/backgrounds/background-1.jpg", kW, kH, Finish(p, 11, 0.38)};
}

Picture RiverMeadows() {
  Painter p;
  Rng rng(2);
  Sky(p, FromHex(0x5a8ac8), FromHex(0xe8e0b0), 300);
  Glow(p, 760, 220, 360, FromHex(0xfff0c0), 0.6);
  Clouds(p, rng, 10, 50, 230, FromHex(0xffffff), 0.45);
  Mountains(p, rng, 290, 40, FromHex(0x6a88b8), FromHex(0x8aa8c0), 0, {});
  p.body += Fill(HillPath(rng, 330, 18, 6, kH), p.Grad(FromHex(0x7aa860), FromHex(0x3e6a3a)));
  // The river winds from the horizon to the front, widening.
  std::string river = "M470 335 C430 380 560 420 520 470 C470 540 300 560 360 640 C400 700 "
                      "300 740 240 780 L620 780 C640 720 560 690 600 630 C650 560 760 520 640 "
                      "460 C560 420 520 380 500 335 Z";
  p.body += Fill(river, p.Grad(FromHex(0xb8e0e0), FromHex(0x2a8a9a)), 0.95);
  RoundTrees(p, rng, 12, 350, 420, 40, FromHex(0x6a9a48), {}, false);
  Grass(p, rng, 500, 560, 768, FromHex(0x2e5a28), 14);
  for (int i = 0; i < 120; ++i) {
    const Rgb flower = i % 3 == 0 ? FromHex(0xffe070) : i % 3 == 1 ? FromHex(0xf0a0c0)
                                                                   : FromHex(0xffffff);
    p.body += F("<circle cx=\"%s\" cy=\"%s\" r=\"%s\" fill=\"%s\" opacity=\"0.8\"/>\n",
                N(rng.Uniform(0, 1024)).c_str(), N(rng.Uniform(440, 768)).c_str(),
                N(rng.Uniform(1, 2.4)).c_str(), Hex(flower).c_str());
  }
  Mist(p, 320, 50, FromHex(0xf0f0e0), 0.35);
  return {"gfx/backgrounds/background-2.jpg", kW, kH, Finish(p, 12, 0.4)};
}

Picture LakeCountry() {
  Painter p;
  Rng rng(3);
  Sky(p, FromHex(0x2a6a9a), FromHex(0xb8e0e0), 340);
  Glow(p, 512, 330, 380, FromHex(0xe8fff0), 0.5);
  Clouds(p, rng, 7, 40, 200, FromHex(0xe8f8ff), 0.4);
  Mountains(p, rng, 270, 70, FromHex(0x3a5a8a), FromHex(0x6a8aaa), 250, FromHex(0xe0f0ff));
  Mountains(p, rng, 320, 30, FromHex(0x2e6a6a), FromHex(0x3a7a6a), 0, {});
  Water(p, rng, 360, 600, FromHex(0x8ac8d0), FromHex(0x1e5a7a), FromHex(0xffffff));
  Conifers(p, rng, 40, 372, 40, FromHex(0x1e4a3a));
  p.body += Fill(HillPath(rng, 610, 24, 5, kH), p.Grad(FromHex(0x3a6a3a), FromHex(0x1a3020)));
  Grass(p, rng, 300, 640, 768, FromHex(0x1e3a20), 16);
  Mist(p, 350, 40, FromHex(0xe0fff8), 0.3);
  return {"gfx/backgrounds/background-3.jpg", kW, kH, Finish(p, 13, 0.4)};
}

Picture Forest() {
  Painter p;
  Rng rng(4);
  Sky(p, FromHex(0x3a5a3a), FromHex(0xc8c890), 420);
  Glow(p, 640, 160, 420, FromHex(0xfff0b0), 0.55);
  Conifers(p, rng, 34, 380, 150, FromHex(0x4a6a50), 14);
  Mist(p, 300, 120, FromHex(0xd8e8c0), 0.35);
  Conifers(p, rng, 26, 500, 260, FromHex(0x2a4a30), 18);
  // Shafts of light through the trees.
  for (int i = 0; i < 5; ++i) {
    const double x = 420 + i * 90 + rng.Uniform(-30, 30);
    p.body += F("<path d=\"M%s 0 L%s 0 L%s 768 L%s 768 Z\" fill=\"#fff6c8\" opacity=\"0.1\" "
                "filter=\"url(#soft)\"/>\n",
                N(x).c_str(), N(x + 40).c_str(), N(x - 160).c_str(), N(x - 260).c_str());
  }
  Conifers(p, rng, 14, 700, 520, FromHex(0x14281a), 30);
  p.body += Fill(HillPath(rng, 700, 14, 6, kH), p.Grad(FromHex(0x2a3a20), FromHex(0x101a10)));
  Grass(p, rng, 300, 690, 768, FromHex(0x3a5a2a), 18);
  return {"gfx/backgrounds/background-4.jpg", kW, kH, Finish(p, 14, 0.36)};
}

Picture Marsh() {
  Painter p;
  Rng rng(5);
  Sky(p, FromHex(0x4a5a6a), FromHex(0xb0b8a0), 360);
  Glow(p, 300, 330, 360, FromHex(0xf0e0b0), 0.4);
  Clouds(p, rng, 12, 60, 300, FromHex(0xd0d8d0), 0.35);
  Mountains(p, rng, 350, 14, FromHex(0x5a6a60), FromHex(0x5a6a50), 0, {});
  p.body += "<rect x=\"0\" y=\"360\" width=\"1024\" height=\"408\" fill=\"" +
            p.Grad(FromHex(0x5a6a40), FromHex(0x28321e)) + "\"/>\n";
  for (int i = 0; i < 14; ++i) {
    const double y = rng.Uniform(380, 740), x = rng.Uniform(-40, 1060);
    const double rx = rng.Uniform(40, 140) * (0.5 + (y - 360) / 400), ry = rx * 0.16;
    p.body += F("<ellipse cx=\"%s\" cy=\"%s\" rx=\"%s\" ry=\"%s\" fill=\"%s\" opacity=\"0.85\"/>"
                "<ellipse cx=\"%s\" cy=\"%s\" rx=\"%s\" ry=\"1.4\" fill=\"#e0e8d8\" "
                "opacity=\"0.35\"/>\n",
                N(x).c_str(), N(y).c_str(), N(rx).c_str(), N(ry).c_str(),
                Hex(FromHex(0x6a8a88)).c_str(), N(x - rx * 0.2).c_str(), N(y - ry * 0.3).c_str(),
                N(rx * 0.5).c_str());
  }
  Grass(p, rng, 700, 380, 768, FromHex(0x3a4a26), 26);
  Grass(p, rng, 160, 660, 768, FromHex(0x1e2612), 60);
  Mist(p, 330, 80, FromHex(0xe0e8e0), 0.45);
  Mist(p, 520, 60, FromHex(0xd0d8d0), 0.2);
  return {"gfx/backgrounds/background-5.jpg", kW, kH, Finish(p, 15, 0.36)};
}

Picture HighPastures() {
  Painter p;
  Rng rng(6);
  Sky(p, FromHex(0x3a78c0), FromHex(0xc8e0f0), 300);
  Clouds(p, rng, 9, 40, 200, FromHex(0xffffff), 0.5);
  Mountains(p, rng, 210, 90, FromHex(0x6a7ab0), FromHex(0x8a9ac0), 200, FromHex(0xf4f8ff));
  p.body += Fill(HillPath(rng, 320, 40, 4, kH), p.Grad(FromHex(0x8ab860), FromHex(0x4a7a38)));
  p.body += Fill(HillPath(rng, 450, 40, 3, kH), p.Grad(FromHex(0x6a9a48), FromHex(0x2e5a2a)));
  // Dry-stone walls across the slopes and a few sheep.
  for (int i = 0; i < 3; ++i) {
    const double y = 420 + i * 90;
    p.body += F("<path d=\"M-20 %s C300 %s 600 %s 1044 %s\" fill=\"none\" stroke=\"#8a8a80\" "
                "stroke-width=\"%s\" stroke-dasharray=\"6 3\" opacity=\"0.7\"/>\n",
                N(y).c_str(), N(y - 40).c_str(), N(y + 40).c_str(), N(y - 10).c_str(),
                N(3 + i * 2).c_str());
  }
  for (int i = 0; i < 14; ++i) {
    const double x = rng.Uniform(20, 1000), y = rng.Uniform(400, 700), k = 0.6 + (y - 400) / 300;
    p.body += F("<ellipse cx=\"%s\" cy=\"%s\" rx=\"%s\" ry=\"%s\" fill=\"#f0f0e8\"/>"
                "<circle cx=\"%s\" cy=\"%s\" r=\"%s\" fill=\"#3a3a3a\"/>\n",
                N(x).c_str(), N(y).c_str(), N(7 * k).c_str(), N(4.5 * k).c_str(),
                N(x + 7 * k).c_str(), N(y - 2 * k).c_str(), N(2.4 * k).c_str());
  }
  p.body += Fill(HillPath(rng, 660, 30, 4, kH), p.Grad(FromHex(0x3e6a2e), FromHex(0x1a3014)));
  Grass(p, rng, 300, 660, 768, FromHex(0x2a4a1e), 16);
  Mist(p, 290, 50, FromHex(0xffffff), 0.3);
  return {"gfx/backgrounds/background-6.jpg", kW, kH, Finish(p, 16, 0.42)};
}

Picture MountainPass() {
  Painter p;
  Rng rng(7);
  Sky(p, FromHex(0x3a2a6a), FromHex(0xe89a70), 360);
  Glow(p, 700, 330, 360, FromHex(0xffa060), 0.55);
  Clouds(p, rng, 8, 80, 260, FromHex(0xf0a0a0), 0.3);
  Mountains(p, rng, 190, 110, FromHex(0x5a4a80), FromHex(0x7a6a90), 190, FromHex(0xf0e0f0));
  Mountains(p, rng, 330, 80, FromHex(0x3e3a5e), FromHex(0x4a4060), 280, FromHex(0xd8c8e0));
  p.body += Fill(HillPath(rng, 520, 40, 4, kH), p.Grad(FromHex(0x4a4058), FromHex(0x201a2a)));
  // The old stone road climbing to the pass.
  p.body += "<path d=\"M520 430 C560 470 420 500 470 550 C530 610 700 620 600 700 C560 740 "
            "520 760 500 780\" fill=\"none\" stroke=\"#c8a888\" stroke-width=\"22\" "
            "opacity=\"0.55\" stroke-linecap=\"round\"/>\n";
  p.body += "<path d=\"M520 430 C560 470 420 500 470 550 C530 610 700 620 600 700 C560 740 "
            "520 760 500 780\" fill=\"none\" stroke=\"#7a6458\" stroke-width=\"22\" "
            "stroke-dasharray=\"3 9\" opacity=\"0.5\"/>\n";
  for (int i = 0; i < 18; ++i) {
    const double x = rng.Uniform(0, 1024), y = rng.Uniform(560, 760), r = rng.Uniform(8, 26);
    p.body += F("<path d=\"M%s %s Q%s %s %s %s Q%s %s %s %s Z\" fill=\"#2e2838\"/>\n",
                N(x - r).c_str(), N(y).c_str(), N(x - r * 0.7).c_str(), N(y - r).c_str(),
                N(x).c_str(), N(y - r * 0.9).c_str(), N(x + r).c_str(), N(y - r * 0.6).c_str(),
                N(x + r).c_str(), N(y).c_str());
  }
  Mist(p, 380, 60, FromHex(0xf0b0a0), 0.25);
  return {"gfx/backgrounds/background-7.jpg", kW, kH, Finish(p, 17, 0.38)};
}

Picture IceLakes() {
  Painter p;
  Rng rng(8);
  Sky(p, FromHex(0x14245a), FromHex(0x9ad0e8), 330);
  Glow(p, 380, 300, 300, FromHex(0xc8f0ff), 0.5);
  Stars(p, rng, 60, 160);
  Mountains(p, rng, 230, 90, FromHex(0x8ab0d8), FromHex(0x4a6a9a), 240, FromHex(0xf0faff));
  Water(p, rng, 350, 620, FromHex(0xc8ecf4), FromHex(0x5a90b0), FromHex(0xffffff));
  std::string cracks;
  for (int i = 0; i < 16; ++i) {
    double x = rng.Uniform(0, 1024), y = rng.Uniform(370, 600);
    cracks += "M" + N(x) + " " + N(y);
    for (int k = 0; k < 4; ++k) {
      x += rng.Uniform(-40, 40);
      y += rng.Uniform(-6, 12);
      cracks += " L" + N(x) + " " + N(y);
    }
    cracks += " ";
  }
  p.body += "<path d=\"" + cracks +
            "\" fill=\"none\" stroke=\"#ffffff\" stroke-width=\"1.2\" opacity=\"0.45\"/>\n";
  p.body += Fill(HillPath(rng, 640, 24, 5, kH), p.Grad(FromHex(0xe0f0fa), FromHex(0x7a9ac0)));
  Conifers(p, rng, 10, 690, 120, FromHex(0x1a3048), 40);
  Mist(p, 330, 50, FromHex(0xe8f8ff), 0.35);
  return {"gfx/backgrounds/background-8.jpg", kW, kH, Finish(p, 18, 0.4)};
}

Picture StarPeaks() {
  Painter p;
  Rng rng(9);
  Sky(p, FromHex(0x0a0c2a), FromHex(0x2a3a7a), 420);
  Stars(p, rng, 260, 460);
  Ribbon(p, rng, 170, 60, FromHex(0x2ad8a8), 70, 0.35);
  Ribbon(p, rng, 230, 50, FromHex(0x6a5ae8), 50, 0.25);
  Glow(p, 800, 120, 60, FromHex(0xf8f0d0), 0.9);
  Mountains(p, rng, 300, 120, FromHex(0x2a3062), FromHex(0x1a1e44), 250, FromHex(0xb8c8f0));
  Mountains(p, rng, 470, 90, FromHex(0x181c3e), FromHex(0x0e1028), 420, FromHex(0x8a98c8));
  Mist(p, 480, 80, FromHex(0x6a7ac8), 0.2);
  return {"gfx/backgrounds/background-9.jpg", kW, kH, Finish(p, 19, 0.3)};
}

Picture LoomAtDawn() {
  Painter p;
  Rng rng(10);
  Sky(p, FromHex(0x4a3a8a), FromHex(0xf8b890), 420);
  Glow(p, 512, 300, 520, FromHex(0xffd890), 0.85);
  // The mended Loom: threads of dawn woven across the sky.
  Ribbon(p, rng, 150, 50, FromHex(0xf6c453), 26, 0.5);
  Ribbon(p, rng, 200, 60, FromHex(0xe85d75), 22, 0.45);
  Ribbon(p, rng, 250, 45, FromHex(0x2bb3b1), 20, 0.4);
  Ribbon(p, rng, 300, 55, FromHex(0x6cc24a), 18, 0.35);
  Mountains(p, rng, 360, 90, FromHex(0x7a6aa8), FromHex(0x9a7aa0), 330, FromHex(0xfff0e0));
  p.body += Fill(HillPath(rng, 520, 40, 4, kH), p.Grad(FromHex(0x6a5a88), FromHex(0x2e2848)));
  p.body += Fill(HillPath(rng, 650, 30, 5, kH), p.Grad(FromHex(0x3e3458), FromHex(0x16122a)));
  Mist(p, 420, 70, FromHex(0xffe0c8), 0.35);
  return {"gfx/backgrounds/background-10.jpg", kW, kH, Finish(p, 20, 0.38)};
}

}  // namespace

std::vector<Picture> BackgroundPictures() {
  return {Orchards(),    RiverMeadows(), LakeCountry(), Forest(),    Marsh(),
          HighPastures(), MountainPass(), IceLakes(),    StarPeaks(), LoomAtDawn()};
}

}  // namespace artgen
