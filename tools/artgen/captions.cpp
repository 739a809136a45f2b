// Caption banners: big words in the display font, gold fill, dark rim and a soft glow. The
// letters are outlines taken from our committed font.
#include <algorithm>
#include <cmath>

#include "generators.h"

namespace artgen {

namespace {

struct Line {
  std::string text;
  double size;
};

// Lettering layers for one shape placed at (x, baseline).
std::string Letters(const TextShape& t, double x, double baseline, double size) {
  const std::string at = F("translate(%s %s)", N(x).c_str(), N(baseline).c_str());
  std::string s;
  s += F("<path d=\"%s\" transform=\"%s\" fill=\"#ffb830\" stroke=\"#ffb830\" "
         "stroke-width=\"%s\" stroke-linejoin=\"round\" opacity=\"0.75\" "
         "filter=\"url(#glow)\"/>\n",
         t.d.c_str(), at.c_str(), N(size * 0.14).c_str());
  s += F("<path d=\"%s\" transform=\"%s\" fill=\"#2e1406\" stroke=\"#2e1406\" "
         "stroke-width=\"%s\" stroke-linejoin=\"round\"/>\n",
         t.d.c_str(), at.c_str(), N(std::max(3.0, size * 0.11)).c_str());
  s += F("<path d=\"%s\" transform=\"%s\" fill=\"url(#gold)\"/>\n", t.d.c_str(), at.c_str());
  s += F("<path d=\"%s\" transform=\"translate(%s %s)\" fill=\"none\" stroke=\"#fffbe6\" "
         "stroke-width=\"%s\" opacity=\"0.45\" clip-path=\"url(#upper)\"/>\n",
         t.d.c_str(), N(x).c_str(), N(baseline).c_str(), N(std::max(0.8, size * 0.015)).c_str());
  return s;
}

Picture Banner(const GlyphSource& font, const std::string& path, std::vector<Line> lines,
               double maxWidth) {
  // Shrink every line together until the widest fits.
  double widest = 0;
  for (const Line& l : lines) widest = std::max(widest, font.Shape(l.text, l.size, 1).width);
  if (widest > maxWidth) {
    for (Line& l : lines) l.size *= maxWidth / widest;
  }
  std::vector<TextShape> shapes;
  double w = 0, h = 0;
  for (const Line& l : lines) {
    shapes.push_back(font.Shape(l.text, l.size, l.size * 0.02));
    w = std::max(w, shapes.back().width);
    h += l.size * 1.05;
  }
  const double pad = std::max(12.0, lines[0].size * 0.22);
  const int W = static_cast<int>(std::ceil(w + 2 * pad)) / 2 * 2 + 2;
  const int H = static_cast<int>(std::ceil(h + 2 * pad)) / 2 * 2 + 2;
  std::string s = SvgOpen(W, H) + "<defs>";
  s += F("<linearGradient id=\"gold\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
         "<stop offset=\"0\" stop-color=\"#fff6c4\"/><stop offset=\"0.45\" "
         "stop-color=\"#f6c453\"/><stop offset=\"0.55\" stop-color=\"#eeaa32\"/>"
         "<stop offset=\"1\" stop-color=\"#c0701a\"/></linearGradient>");
  s += BlurFilter("glow", std::max(3.0, lines[0].size * 0.07));
  s += F("<clipPath id=\"upper\"><rect x=\"0\" y=\"0\" width=\"%d\" height=\"%d\"/></clipPath>",
         W, H);
  s += "</defs>\n";
  double y = pad;
  for (size_t i = 0; i < lines.size(); ++i) {
    const double size = lines[i].size;
    // Cap height of the rounded face is about 0.72 em: centre each line in its row.
    const double baseline = y + size * 0.5 + size * 0.36;
    s += Letters(shapes[i], (W - shapes[i].width) / 2, baseline, size);
    y += size * 1.05;
  }
  return {"gfx/captions/en/" + path, W, H, s + SvgClose()};
}

}  // namespace

std::vector<Picture> CaptionPictures(const GlyphSource& font) {
  return {
      Banner(font, "readysetgo.png", {{"Ready\xE2\x80\xA6 Go!", 88}}, 560),
      Banner(font, "victory.png", {{"Victory!", 104}}, 560),
      Banner(font, "noCash.png", {{"Not enough cash", 34}}, 250),
      Banner(font, "noMoves.png", {{"No moves", 64}, {"shuffling\xE2\x80\xA6", 40}}, 440),
      Banner(font, "combo1.png", {{"Great!", 46}}, 224),
      Banner(font, "combo2.png", {{"Super!", 46}}, 224),
      Banner(font, "combo3.png", {{"Brilliant!", 46}}, 224),
      Banner(font, "combo4.png", {{"Amazing!", 46}}, 224),
      Banner(font, "combo5.png", {{"Dazzling!", 46}}, 224),
  };
}

}  // namespace artgen
