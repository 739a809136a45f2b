// The hit point, the mouse pointer and the window icon.
#include "gems.h"
#include "generators.h"

namespace artgen {

std::vector<Picture> GlobalPictures() {
  std::vector<Picture> out;
  // The puzzle tests pieces against this point pixel by pixel: tiny and fully opaque.
  out.push_back({"gfx/point.png", 3, 3,
                 SvgOpen(3, 3) + "<rect x=\"0\" y=\"0\" width=\"3\" height=\"3\" "
                                 "fill=\"#ffffff\"/>\n" + SvgClose()});
  // Pointer: the tip is the hot spot at (2, 2).
  std::string m = SvgOpen(32, 32) +
                  "<defs><linearGradient id=\"gold\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\">"
                  "<stop offset=\"0\" stop-color=\"#fff6c8\"/><stop offset=\"0.55\" "
                  "stop-color=\"#f6c453\"/><stop offset=\"1\" stop-color=\"#b8781c\"/>"
                  "</linearGradient>" +
                  BlurFilter("sh", 1.3) + "</defs>\n";
  const std::string arrow = "M2 2 L2 25 L8 19.5 L12.5 29 L17 27 L12.8 17.8 L21 17.8 Z";
  m += "<path d=\"" + arrow +
       "\" transform=\"translate(1.5 2)\" fill=\"#000000\" opacity=\"0.45\" "
       "filter=\"url(#sh)\"/>\n";
  m += "<path d=\"" + arrow +
       "\" fill=\"url(#gold)\" stroke=\"#2a1606\" stroke-width=\"1.4\" "
       "stroke-linejoin=\"round\"/>\n";
  m += "<path d=\"M4.2 6 L4.2 19\" stroke=\"#ffffff\" stroke-opacity=\"0.7\" "
       "stroke-width=\"1.2\" stroke-linecap=\"round\"/>\n";
  out.push_back({"gfx/gui/mouse.png", 32, 32, m + SvgClose()});
  // Window icon: the citrine star on an indigo tile with a gold rim.
  std::string icon = SvgOpen(128, 128) +
                     "<defs><linearGradient id=\"bg\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
                     "<stop offset=\"0\" stop-color=\"#3a4090\"/><stop offset=\"1\" "
                     "stop-color=\"#1c1f50\"/></linearGradient>"
                     "<linearGradient id=\"rim\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
                     "<stop offset=\"0\" stop-color=\"#fff0b0\"/><stop offset=\"1\" "
                     "stop-color=\"#a8701a\"/></linearGradient></defs>\n"
                     "<rect x=\"4\" y=\"4\" width=\"120\" height=\"120\" rx=\"26\" "
                     "fill=\"url(#bg)\" stroke=\"url(#rim)\" stroke-width=\"6\"/>\n";
  std::vector<Pt> star = StarOutline();
  for (Pt& p : star) {
    p.x = 64 + (p.x - 24) * 2.15;
    p.y = 62 + (p.y - 24) * 2.15;
  }
  GemStyle citrine{FromHex(0xffd92e), FromHex(0x9a5a00), FromHex(0xfffbe0), {1.0, 0.5}, 0.5};
  icon += GemSvg(star, {64, 66.7}, citrine, "i", 2.15);
  out.push_back({"gfx/icon.png", 128, 128, icon + SvgClose()});
  return out;
}

}  // namespace artgen
