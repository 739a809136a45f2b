// The game screen's pictures: the top panel with its slots, the four power-up buttons, their
// cover, the padlock, the pop-up, the hint arrow and the small bomb of the bomb salvo.
#include <cmath>

#include "gems.h"
#include "generators.h"

namespace artgen {

namespace {

constexpr double kPi = 3.14159265358979323846;

const char* kGoldGradient =
    "<linearGradient id=\"gold\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
    "<stop offset=\"0\" stop-color=\"#fff0b0\"/><stop offset=\"0.5\" stop-color=\"#f6c453\"/>"
    "<stop offset=\"1\" stop-color=\"#a8701a\"/></linearGradient>";

std::string Slot(double cx, double w) {
  return F(
      "<rect x=\"%s\" y=\"8\" width=\"%s\" height=\"34\" rx=\"17\" fill=\"#0c0e2a\" "
      "fill-opacity=\"0.75\" stroke=\"#8a7bd0\" stroke-opacity=\"0.45\" "
      "stroke-width=\"1.2\"/>\n",
      N(cx - w / 2).c_str(), N(w).c_str());
}

Picture Panel() {
  std::string s = SvgOpen(1024, 80) + "<defs>";
  s += kGoldGradient;
  s += "<linearGradient id=\"glass\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
       "<stop offset=\"0\" stop-color=\"#3a4090\"/><stop offset=\"0.6\" stop-color=\"#2a2f6b\"/>"
       "<stop offset=\"1\" stop-color=\"#1c1f50\"/></linearGradient>";
  s += BlurFilter("shadow", 3) + "</defs>\n";
  const std::string outline =
      "M24 0 L1000 0 L1000 44 Q1000 70 974 70 L716 70 Q706 70 700 76 L692 79 L370 79 "
      "Q364 79 356 74 Q348 70 338 70 L50 70 Q24 70 24 44 Z";
  s += "<path d=\"" + outline +
       "\" transform=\"translate(0 2)\" fill=\"#000000\" opacity=\"0.45\" "
       "filter=\"url(#shadow)\"/>\n";
  s += "<path d=\"" + outline + "\" fill=\"url(#glass)\" fill-opacity=\"0.96\"/>\n";
  s += "<path d=\"M30 6 L994 6\" stroke=\"#ffffff\" stroke-opacity=\"0.12\" "
       "stroke-width=\"6\"/>\n";
  s += "<path d=\"" + outline +
       "\" fill=\"none\" stroke=\"url(#gold)\" stroke-width=\"2.4\" "
       "stroke-linejoin=\"round\"/>\n";
  // Slots around the numbers the game places: cells left (centred on x 140), time (centred on
  // x 270), cash (ending at x 942); the collect tray (x 531). Each slot holds its longest number
  // in the panel's font at size 20, with its icon clear of the first digit: four digits of
  // cells (a 64 x 64 board), a clock with three-digit hours (up to 99 px wide, from x 221) and
  // eleven digits of cash (up to 143 px, from x 799).
  s += Slot(127, 110) + Slot(270, 164) + Slot(860, 196);
  s += "<path d=\"M366 4 L696 4 L696 60 Q696 72 684 72 L378 72 Q366 72 366 60 Z\" "
       "fill=\"#0c0e2a\" fill-opacity=\"0.55\" stroke=\"#8a7bd0\" stroke-opacity=\"0.35\" "
       "stroke-width=\"1.2\"/>\n";
  // Slot icons: a gold-rimmed cell, an hourglass and a coin.
  s += "<rect x=\"84\" y=\"15\" width=\"20\" height=\"20\" rx=\"4\" fill=\"#9a6a3a\" "
       "stroke=\"#ffd966\" stroke-width=\"1.8\"/><path d=\"M94 19 L98 25 L94 31 L90 25 Z\" "
       "fill=\"#ffe28a\"/>\n";
  s += "<path d=\"M198 14 L214 14 M198 36 L214 36 M200 14 Q200 24 206 25 Q200 26 200 36 "
       "M212 14 Q212 24 206 25 Q212 26 212 36\" fill=\"none\" stroke=\"#ffd966\" "
       "stroke-width=\"2\" stroke-linecap=\"round\"/><path d=\"M202 33 L210 33 L206 28 Z\" "
       "fill=\"#f6c453\"/>\n";
  s += "<circle cx=\"776\" cy=\"25\" r=\"10\" fill=\"url(#gold)\" stroke=\"#7a4a0a\" "
       "stroke-width=\"1.2\"/><circle cx=\"776\" cy=\"25\" r=\"6\" fill=\"none\" "
       "stroke=\"#a8701a\" stroke-width=\"1.2\"/>\n";
  // Gem studs at the ends of the panel.
  GemStyle ruby{FromHex(0xe8283f), FromHex(0x4a0010), FromHex(0xffd0d8), {1.0, 0.5}, 0.3};
  GemStyle teal{FromHex(0x2bb3b1), FromHex(0x003a3a), FromHex(0xd0fffa), {1.0, 0.5}, 0.3};
  std::vector<Pt> stud;
  for (int i = 0; i < 8; ++i) {
    const double a = (-90 + 45 * i) * kPi / 180;
    stud.push_back({44 + 9 * std::cos(a), 32 + 9 * std::sin(a)});
  }
  s += GemSvg(stud, {44, 32}, ruby, "s1", 0.45);
  for (Pt& p : stud) p.x += 936;
  s += GemSvg(stud, {980, 32}, teal, "s2", 0.45);
  return {"gfx/gui/mainGame/up.png", 1024, 80, s + SvgClose()};
}

std::string Medallion(double cx, double cy, double r, const Rgb& glass, const std::string& id,
                      double width) {
  std::string s = "<defs>";
  s +=
      F("<radialGradient id=\"%s-glass\" cx=\"0.4\" cy=\"0.35\" r=\"0.7\">"
        "<stop offset=\"0\" stop-color=\"%s\"/><stop offset=\"0.7\" stop-color=\"%s\"/>"
        "<stop offset=\"1\" stop-color=\"%s\"/></radialGradient>",
        id.c_str(), Hex(Lighten(glass, 0.35)).c_str(), Hex(glass).c_str(),
        Hex(Darken(glass, 0.55)).c_str());
  s += BlurFilter(id + "-shadow", 2.5) + "</defs>\n";
  // Gold leaves reaching to the picture's sides (the buttons differ in width).
  const double reach = width / 2 - 2;
  for (int side : {-1, 1}) {
    const double x0 = cx + side * (r - 6), x1 = cx + side * reach;
    s +=
        F("<path d=\"M%s %s Q%s %s %s %s Q%s %s %s %s Z\" fill=\"url(#gold)\" "
          "stroke=\"#6a4308\" stroke-width=\"1\"/>\n",
          N(x0).c_str(), N(cy - 2).c_str(), N((x0 + x1) / 2).c_str(), N(cy - 22).c_str(),
          N(x1).c_str(), N(cy + 14).c_str(), N((x0 + x1) / 2).c_str(), N(cy + 4).c_str(),
          N(x0).c_str(), N(cy + 16).c_str());
  }
  s +=
      F("<circle cx=\"%s\" cy=\"%s\" r=\"%s\" fill=\"#000000\" opacity=\"0.5\" "
        "filter=\"url(#%s-shadow)\"/>\n",
        N(cx + 1).c_str(), N(cy + 3).c_str(), N(r).c_str(), id.c_str());
  s +=
      F("<circle cx=\"%s\" cy=\"%s\" r=\"%s\" fill=\"url(#gold)\" stroke=\"#5a3806\" "
        "stroke-width=\"1.5\"/>\n",
        N(cx).c_str(), N(cy).c_str(), N(r).c_str());
  s +=
      F("<circle cx=\"%s\" cy=\"%s\" r=\"%s\" fill=\"url(#%s-glass)\" stroke=\"#5a3806\" "
        "stroke-width=\"1.5\"/>\n",
        N(cx).c_str(), N(cy).c_str(), N(r - 7).c_str(), id.c_str());
  s +=
      F("<path d=\"M%s %s A%s %s 0 0 1 %s %s\" fill=\"none\" stroke=\"#ffffff\" "
        "stroke-opacity=\"0.35\" stroke-width=\"3\" stroke-linecap=\"round\"/>\n",
        N(cx - (r - 12)).c_str(), N(cy - 4).c_str(), N(r - 12).c_str(), N(r - 12).c_str(),
        N(cx - 4).c_str(), N(cy - (r - 12)).c_str());
  return s;
}

std::vector<Pt> Shift(std::vector<Pt> pts, double dx, double dy, double k) {
  for (Pt& p : pts) {
    p.x = (p.x - 24) * k + 24 + dx;
    p.y = (p.y - 24) * k + 24 + dy;
  }
  return pts;
}

Picture Button(int n) {
  const int widths[4] = {126, 138, 168, 162};
  const int heights[4] = {145, 128, 150, 141};
  const Rgb glass[4] = {FromHex(0x1f8f9a), FromHex(0x9a2f5a), FromHex(0x2a3f9a), FromHex(0x6a2a8a)};
  const int w = widths[n], h = heights[n];
  // The lock of every button is drawn at y 707, 61 px above the bottom edge: the medallion's
  // centre sits there.
  const double cx = w / 2.0, cy = h - 61.0, r = 46;
  std::string s = SvgOpen(w, h) + "<defs>" + kGoldGradient + "</defs>\n";
  s += Medallion(cx, cy, r, glass[n], F("m%d", n), w);
  const GemStyle sapphire{FromHex(0x55a2f4), FromHex(0x071e6a), FromHex(0xe0f0ff), {1.0, 0.5}, 0.4};
  const GemStyle ruby{FromHex(0xe8283f), FromHex(0x4a0010), FromHex(0xffd0d8), {1.0, 0.52}, 0.4};
  const GemStyle topaz{FromHex(0xffb43c), FromHex(0x6a2200), FromHex(0xfff0c0), {1.0, 0.55}, 0.4};
  if (n == 0) {
    // Line clearer: a beam through a row of three gems, arrows at both ends.
    s += "<defs>" + BlurFilter("beam", 2.5) + "</defs>";
    s +=
        F("<rect x=\"%s\" y=\"%s\" width=\"%s\" height=\"10\" rx=\"5\" fill=\"#bffcff\" "
          "filter=\"url(#beam)\"/>\n",
          N(cx - 34).c_str(), N(cy - 5).c_str(), N(68).c_str());
    const std::vector<Pt> gems[3] = {Shift(CircleOutline(), cx - 24 - 21, cy - 24, 0.46),
                                     Shift(HeartOutline(), cx - 24, cy - 24, 0.5),
                                     Shift(HexagonOutline(), cx - 24 + 21, cy - 24, 0.46)};
    s += GemSvg(gems[0], {cx - 21, cy}, sapphire, "g0", 0.46);
    s += GemSvg(gems[1], {cx, cy - 1}, ruby, "g1", 0.5);
    s += GemSvg(gems[2], {cx + 21, cy}, topaz, "g2", 0.46);
    s +=
        F("<path d=\"M%s %s L%s %s L%s %s Z M%s %s L%s %s L%s %s Z\" fill=\"#ffffff\" "
          "stroke=\"#0a4a50\" stroke-width=\"1\"/>\n",
          N(cx - 38).c_str(), N(cy).c_str(), N(cx - 31).c_str(), N(cy - 6).c_str(),
          N(cx - 31).c_str(), N(cy + 6).c_str(), N(cx + 38).c_str(), N(cy).c_str(),
          N(cx + 31).c_str(), N(cy - 6).c_str(), N(cx + 31).c_str(), N(cy + 6).c_str());
  } else if (n == 1) {
    // Kind remover: one gem in a ring of sparkles, vanishing.
    std::string ring;
    for (int i = 0; i < 8; ++i) {
      const double a = (22.5 + 45 * i) * kPi / 180;
      const double x = cx + 27 * std::cos(a), y = cy + 27 * std::sin(a), k = i % 2 ? 4.5 : 3;
      ring += F("<path d=\"M%s %s L%s %s L%s %s L%s %s Z\" fill=\"#fff4f8\"/>", N(x).c_str(),
                N(y - k).c_str(), N(x + k * 0.3).c_str(), N(y).c_str(), N(x).c_str(),
                N(y + k).c_str(), N(x - k * 0.3).c_str(), N(y).c_str());
    }
    s += ring + "\n";
    s +=
        F("<circle cx=\"%s\" cy=\"%s\" r=\"21\" fill=\"none\" stroke=\"#ffd0e0\" "
          "stroke-width=\"1.5\" stroke-dasharray=\"4 4\" opacity=\"0.8\"/>\n",
          N(cx).c_str(), N(cy).c_str());
    s += GemSvg(Shift(HeartOutline(), cx - 24, cy - 24, 0.8), {cx, cy - 1.5}, ruby, "g", 0.8);
  } else if (n == 2) {
    // Ten small bombs: a cluster of three.
    s += BombSvgBody(cx - 15, cy + 9, 12.5, "b1", false);
    s += BombSvgBody(cx + 15, cy + 8, 12.5, "b2", false);
    s += BombSvgBody(cx - 1, cy - 11, 13.5, "b3", false);
  } else {
    // One big bomb with the glowing rune.
    s += BombSvgBody(cx - 3, cy + 4, 27, "b", true);
  }
  return {F("gfx/gui/mainGame/powerUp%d.png", n), w, h, s + SvgClose()};
}

Picture Cover() {
  std::string s = SvgOpen(174, 40) + "<defs>" + kGoldGradient +
                  "<linearGradient id=\"stone\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
                  "<stop offset=\"0\" stop-color=\"#4a4f90\"/><stop offset=\"1\" "
                  "stop-color=\"#1a1c44\"/></linearGradient></defs>\n";
  s += "<path d=\"M6 40 L14 6 Q16 1 22 1 L152 1 Q158 1 160 6 L168 40 Z\" fill=\"url(#stone)\" "
       "stroke=\"url(#gold)\" stroke-width=\"2\" stroke-linejoin=\"round\"/>\n";
  s += "<path d=\"M20 8 L154 8\" stroke=\"#ffffff\" stroke-opacity=\"0.18\" "
       "stroke-width=\"3\"/>\n";
  for (int i = 0; i < 3; ++i) {
    const double x = 57 + 30 * i;
    s += F("<path d=\"M%s 13 L%s 17 L%s 21 L%s 17 Z\" fill=\"#f6c453\" opacity=\"0.85\"/>\n",
           N(x).c_str(), N(x + 4).c_str(), N(x).c_str(), N(x - 4).c_str());
  }
  return {"gfx/gui/mainGame/powerup-cover.png", 174, 40, s + SvgClose()};
}

Picture Lock() {
  std::string s = SvgOpen(44, 54) + "<defs>" + kGoldGradient +
                  "<linearGradient id=\"iron\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"0\">"
                  "<stop offset=\"0\" stop-color=\"#6a6e7a\"/><stop offset=\"0.5\" "
                  "stop-color=\"#e0e4ec\"/><stop offset=\"1\" stop-color=\"#5a5e6a\"/>"
                  "</linearGradient>" +
                  BlurFilter("sh", 1.5) + "</defs>\n";
  s += "<rect x=\"5\" y=\"24\" width=\"36\" height=\"28\" rx=\"6\" fill=\"#000000\" "
       "opacity=\"0.5\" filter=\"url(#sh)\"/>\n";
  s += "<path d=\"M11 26 L11 16 Q11 4 22 4 Q33 4 33 16 L33 26\" fill=\"none\" "
       "stroke=\"#23252c\" stroke-width=\"7.5\"/><path d=\"M11 26 L11 16 Q11 4 22 4 Q33 4 33 "
       "16 L33 26\" fill=\"none\" stroke=\"url(#iron)\" stroke-width=\"5\"/>\n";
  s += "<rect x=\"4\" y=\"22\" width=\"36\" height=\"28\" rx=\"6\" fill=\"url(#gold)\" "
       "stroke=\"#5a3806\" stroke-width=\"1.5\"/>\n";
  s += "<path d=\"M8 27 L36 27\" stroke=\"#fff8d8\" stroke-opacity=\"0.6\" "
       "stroke-width=\"2\" stroke-linecap=\"round\"/>\n";
  s += "<circle cx=\"22\" cy=\"34\" r=\"4\" fill=\"#2a1804\"/><path d=\"M20.3 35 L23.7 35 "
       "L24.5 43 L19.5 43 Z\" fill=\"#2a1804\"/>\n";
  return {"gfx/gui/mainGame/lock.png", 44, 54, s + SvgClose()};
}

Picture PopUp() {
  std::string s = SvgOpen(280, 80) + "<defs>" + kGoldGradient +
                  "<linearGradient id=\"glass\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
                  "<stop offset=\"0\" stop-color=\"#3a4090\"/><stop offset=\"1\" "
                  "stop-color=\"#1c1f50\"/></linearGradient>" +
                  BlurFilter("sh", 2) + "</defs>\n";
  const std::string shape =
      "M14 12 L266 12 Q276 12 276 22 L276 58 Q276 68 266 68 L150 68 L140 78 L130 68 L14 68 "
      "Q4 68 4 58 L4 22 Q4 12 14 12 Z";
  s += "<path d=\"" + shape +
       "\" transform=\"translate(1 2)\" fill=\"#000000\" opacity=\"0.5\" filter=\"url(#sh)\"/>\n";
  s += "<path d=\"" + shape +
       "\" fill=\"url(#glass)\" fill-opacity=\"0.95\" stroke=\"url(#gold)\" "
       "stroke-width=\"2\" stroke-linejoin=\"round\"/>\n";
  s += "<path d=\"M14 17 L266 17\" stroke=\"#ffffff\" stroke-opacity=\"0.15\" "
       "stroke-width=\"3\"/>\n";
  return {"gfx/gui/mainGame/popupmini.png", 280, 80, s + SvgClose()};
}

Picture Arrow() {
  std::string s = SvgOpen(32, 32) + "<defs>" + kGoldGradient + BlurFilter("g", 1.6) + "</defs>\n";
  const std::string d = "M3 11 L16 11 L16 4 L29 16 L16 28 L16 21 L3 21 Z";
  s += "<path d=\"" + d + "\" fill=\"#ffd24a\" filter=\"url(#g)\"/>\n";
  s += "<path d=\"" + d +
       "\" fill=\"url(#gold)\" stroke=\"#3a2004\" stroke-width=\"1.6\" "
       "stroke-linejoin=\"round\"/>\n";
  s += "<path d=\"M5 13.5 L17.5 13.5\" stroke=\"#fffbe6\" stroke-width=\"1.5\" "
       "stroke-opacity=\"0.7\" stroke-linecap=\"round\"/>\n";
  return {"gfx/gui/mainGame/arrow.png", 32, 32, s + SvgClose()};
}

Picture Explosive() {
  return {"gfx/gui/mainGame/explosive.png", 36, 36,
          SvgOpen(36, 36) + BombSvgBody(16.5, 20, 12.5, "e", false) + SvgClose()};
}

}  // namespace

std::vector<Picture> GameScreenPictures() {
  return {Panel(), Button(0), Button(1), Button(2), Button(3),
          Cover(), Lock(),    PopUp(),   Arrow(),   Explosive()};
}

}  // namespace artgen
