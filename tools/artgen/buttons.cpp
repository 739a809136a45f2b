// Shared button art for the .gui files, packed into the atlas "gfx/gui/common/buttons.png":
// indigo glass with a gold rim in three looks each (normal, hover: brighter with a glow,
// pressed: darker and 2 px lower). Labels come from the .gui files, so the art has no words.
#include "generators.h"

namespace artgen {

namespace {

Picture Piece(const std::string& name, int w, int h, int state) {
  const double lift = state == 2 ? 2 : 0;
  const Rgb top = state == 1 ? FromHex(0x5a62c8) : state == 2 ? FromHex(0x2a2f6b)
                                                             : FromHex(0x444aa8);
  const Rgb bottom = state == 1 ? FromHex(0x2e3280) : state == 2 ? FromHex(0x15183c)
                                                                : FromHex(0x22265c);
  const double r = h / 2.0 - 4;
  std::string s = SvgOpen(w, h) + "<defs>";
  s += F("<linearGradient id=\"f\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\"><stop offset=\"0\" "
         "stop-color=\"%s\"/><stop offset=\"1\" stop-color=\"%s\"/></linearGradient>",
         Hex(top).c_str(), Hex(bottom).c_str());
  s += "<linearGradient id=\"gold\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\"><stop offset=\"0\" "
       "stop-color=\"#fff0b0\"/><stop offset=\"0.5\" stop-color=\"#f6c453\"/><stop "
       "offset=\"1\" stop-color=\"#a8701a\"/></linearGradient>";
  s += BlurFilter("glow", 2.2) + BlurFilter("sh", 1.5) + "</defs>\n";
  const std::string rect = F("<rect x=\"4\" y=\"%s\" width=\"%d\" height=\"%d\" rx=\"%s\" ",
                             N(3 + lift).c_str(), w - 8, h - 8, N(r).c_str());
  if (state != 2) {
    s += F("<rect x=\"5\" y=\"6\" width=\"%d\" height=\"%d\" rx=\"%s\" fill=\"#000000\" "
           "opacity=\"0.45\" filter=\"url(#sh)\"/>\n",
           w - 8, h - 8, N(r).c_str());
  }
  if (state == 1) s += rect + "fill=\"none\" stroke=\"#ffd966\" stroke-width=\"5\" "
                              "filter=\"url(#glow)\"/>\n";
  s += rect + "fill=\"url(#f)\" stroke=\"url(#gold)\" stroke-width=\"2.4\"/>\n";
  s += F("<path d=\"M%s %s L%s %s\" stroke=\"#ffffff\" stroke-opacity=\"%s\" "
         "stroke-width=\"3\" stroke-linecap=\"round\"/>\n",
         N(r + 4).c_str(), N(8.5 + lift).c_str(), N(w - r - 4).c_str(), N(8.5 + lift).c_str(),
         state == 2 ? "0.08" : "0.22");
  return {"@gfx/gui/common/buttons/" + name + ".png", w, h, s + SvgClose()};
}

}  // namespace

std::vector<Picture> ButtonPictures() {
  std::vector<Picture> out;
  const char* suffix[3] = {"", "_OVER", "_CLICK"};
  for (int state = 0; state < 3; ++state) {
    out.push_back(Piece(std::string("BUTTON") + suffix[state], 220, 60, state));
    out.push_back(Piece(std::string("SMALL") + suffix[state], 140, 48, state));
    out.push_back(Piece(std::string("ROUND") + suffix[state], 56, 56, state));
  }
  return out;
}

}  // namespace artgen
