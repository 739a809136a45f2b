// The twelve board-frame pieces. Every piece is painted from one cross-section (colour as a
// function of the distance t from the cell edge, t = -2 under the cell to t = 17 at the outer
// rim): straight pieces with a linear gradient across, outer corners with the same stops as a
// radial gradient around the cell corner, inner corners as two mitred bands. So any outline of
// cells joins without a seam.
#include "generators.h"

namespace artgen {

namespace {

struct Stop {
  double t;
  uint32_t rgb;
  double alpha;
};

// Carved light stone with a gold inlay near the cells and a dark outer rim.
const Stop kProfile[] = {
    {-2.0, 0x3a302a, 1},  {0.0, 0x2a221e, 1},  {1.0, 0x2a221e, 1},  {1.8, 0xb08026, 1},
    {3.0, 0xffe08a, 1},   {4.2, 0xc4902c, 1},  {5.0, 0x4a3826, 1},  {5.8, 0xf2e8d2, 1},
    {8.5, 0xe2d4b6, 1},   {12.5, 0xc2b090, 1}, {14.8, 0x8e7c64, 1}, {16.0, 0x4a3c30, 1},
    {17.0, 0x2a2018, 0},
};

std::string Stops(bool radial) {
  std::string s;
  for (const Stop& st : kProfile) {
    if (radial && st.t < 0) continue;
    const double offset = radial ? st.t / 17.0 : (st.t + 2.0) / 19.0;
    s += F("<stop offset=\"%s\" stop-color=\"%s\" stop-opacity=\"%s\"/>", N(offset).c_str(),
           Hex(FromHex(st.rgb)).c_str(), N(st.alpha).c_str());
  }
  return s;
}

// A linear gradient whose t = -2 lies at (x1, y1) and t = 17 at (x2, y2).
std::string Linear(const std::string& id, double x1, double y1, double x2, double y2) {
  return F("<linearGradient id=\"%s\" gradientUnits=\"userSpaceOnUse\" x1=\"%s\" y1=\"%s\" "
           "x2=\"%s\" y2=\"%s\">",
           id.c_str(), N(x1).c_str(), N(y1).c_str(), N(x2).c_str(), N(y2).c_str()) +
         Stops(false) + "</linearGradient>";
}

Picture Strip(const std::string& name, int w, int h, double x1, double y1, double x2, double y2) {
  Picture p{"gfx/frame/" + name + ".png", w, h, ""};
  p.svg = SvgOpen(w, h) + "<defs>" + Linear("g", x1, y1, x2, y2) + "</defs>\n" +
          F("<rect x=\"0\" y=\"0\" width=\"%d\" height=\"%d\" fill=\"url(#g)\"/>\n", w, h) +
          SvgClose();
  return p;
}

Picture Outer(const std::string& name, double cx, double cy) {
  Picture p{"gfx/frame/" + name + ".png", 17, 17, ""};
  p.svg = SvgOpen(17, 17) +
          F("<defs><radialGradient id=\"g\" gradientUnits=\"userSpaceOnUse\" cx=\"%s\" "
            "cy=\"%s\" r=\"17\">",
            N(cx).c_str(), N(cy).c_str()) +
          Stops(true) + "</radialGradient></defs>\n" +
          "<rect x=\"0\" y=\"0\" width=\"17\" height=\"17\" fill=\"url(#g)\"/>\n" + SvgClose();
  return p;
}

// Inner corner: the cell edges meet at (cx, cy); the frame runs from the vertical edge toward
// sx and from the horizontal edge toward sy.
Picture Inner(const std::string& name, double cx, double cy, double sx, double sy) {
  Picture p{"gfx/frame/" + name + ".png", 26, 26, ""};
  const double far = 100;
  auto pt = [](double x, double y) { return Pt{x, y}; };
  const std::vector<Pt> vertical = {pt(cx - far * sx, cy - far * sy),
                                    pt(cx + far * sx, cy + far * sy),
                                    pt(cx - far * sx, cy + far * sy)};
  const std::vector<Pt> horizontal = {pt(cx - far * sx, cy - far * sy),
                                      pt(cx + far * sx, cy + far * sy),
                                      pt(cx + far * sx, cy - far * sy)};
  std::string s = SvgOpen(26, 26) + "<defs>";
  s += Linear("gv", cx - 2 * sx, 0, cx + 17 * sx, 0);
  s += Linear("gh", 0, cy - 2 * sy, 0, cy + 17 * sy);
  s += "<clipPath id=\"cv\"><path d=\"" + PolyPath(vertical) + "\"/></clipPath>";
  s += "<clipPath id=\"ch\"><path d=\"" + PolyPath(horizontal) + "\"/></clipPath>";
  s += "</defs>\n";
  s += "<rect x=\"0\" y=\"0\" width=\"26\" height=\"26\" fill=\"url(#gv)\" "
       "clip-path=\"url(#cv)\"/>\n";
  s += "<rect x=\"0\" y=\"0\" width=\"26\" height=\"26\" fill=\"url(#gh)\" "
       "clip-path=\"url(#ch)\"/>\n";
  p.svg = s + SvgClose();
  return p;
}

}  // namespace

std::vector<Picture> FramePictures() {
  return {
      // Straight pieces: 17 px outside the cell plus 2 px under it.
      Strip("frame_left_from_tile", 19, 48, 19, 0, 0, 0),
      Strip("frame_up_from_tile", 48, 19, 0, 19, 0, 0),
      Strip("frame_right_from_tile", 19, 48, 0, 0, 19, 0),
      Strip("frame_down_from_tile", 48, 19, 0, 0, 0, 19),
      // Outer corners: the square outside a cell corner, centred on that corner.
      Outer("outer_frame_left_up", 17, 17),
      Outer("outer_frame_right_up", 0, 17),
      Outer("outer_frame_right_down", 0, 0),
      Outer("outer_frame_left_down", 17, 0),
      // Inner corners: a quarter of the hole plus 2 px into the cells around it.
      Inner("inner_frame_left_up", 2, 2, 1, 1),
      Inner("inner_frame_right_up", 24, 2, -1, 1),
      Inner("inner_frame_right_down", 24, 24, -1, -1),
      Inner("inner_frame_left_down", 2, 24, 1, -1),
  };
}

}  // namespace artgen
