// What the chip check measures on one chip kind: its silhouette at the two sizes the rules look
// at and its mean brightness as a player with normal and with colour-blind eyes sees it.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace chipcheck {

// The four ways of seeing a chip that the brightness rules compare.
enum View { kFullColour, kDeuteranopia, kProtanopia, kTritanopia, kViewCount };
const char* ViewName(int view);

// A square silhouette: true where the chip covers the cell.
struct Mask {
  int size = 0;
  std::vector<bool> on;
  bool at(int x, int y) const { return on[static_cast<size_t>(y) * size + x]; }
};

struct KindMeasure {
  int id = 0;
  Mask mask32;                          // the silhouette scaled to 32 x 32
  Mask mask24;                          // the silhouette at half size, as the preview draws it
  std::array<double, kViewCount> luma;  // mean luminance 0..255 over the silhouette, per view
};

// Measures a built chip picture (any square PNG); false with a reason when it cannot be read.
bool MeasurePicture(const std::string& png, int id, KindMeasure& out, std::string& error);

// Intersection over union of two silhouettes of the same size (0 when both are empty).
double Overlap(const Mask& a, const Mask& b);

}  // namespace chipcheck
