// Faceted gem drawing shared by the chips, the power-up chips and the window icon.
#pragma once

#include <string>
#include <vector>

#include "svg.h"

namespace artgen {

struct GemStyle {
  Rgb base;                              // dominant colour
  Rgb shade;                             // colour the dark facets lean to
  Rgb light;                             // colour the lit facets lean to
  std::vector<double> rings{1.0, 0.55};  // facet rings, outline first, table last
  double shadow = 0.45;                  // opacity of the drop shadow
};

// SVG elements (defs included) of one gem whose outline is the polygon pts; centre is the point
// the facet rings shrink toward; id makes gradient and filter names unique in the document.
std::string GemSvg(const std::vector<Pt>& pts, Pt centre, const GemStyle& style,
                   const std::string& id, double scale = 1.0);

// Outlines of the seven chip silhouettes inside a 48 x 48 cell, scaled by k around (24, 24).
std::vector<Pt> HeartOutline(double k = 1.0);
std::vector<Pt> HexagonOutline(double k = 1.0);
std::vector<Pt> StarOutline(double k = 1.0);
std::vector<Pt> EmeraldCutOutline(double k = 1.0);
std::vector<Pt> CircleOutline(double k = 1.0);
std::vector<Pt> TriangleOutline(double k = 1.0);
std::vector<Pt> RhombusOutline(double k = 1.0);

std::vector<Picture> ChipPictures();
// A small round bomb of the given diameter in the middle of a square picture of side size.
std::string BombSvgBody(double cx, double cy, double radius, const std::string& id, bool rune);

}  // namespace artgen
