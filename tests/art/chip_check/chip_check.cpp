// chip_check: fails when two ordinary chip kinds are hard to tell apart. A match-three board is
// read at a glance, so every pair of kinds must differ in outline (at full size and at the half
// size of the level preview) and in brightness, also for colour-blind eyes where the outlines
// alone do not separate them. A pair breaks the rules when
//   - its silhouettes (alpha above 128, scaled to 32 x 32) overlap 0.80 or more (intersection
//     over union);
//   - its silhouettes at half size (24 x 24) overlap 0.85 or more;
//   - its mean luminances (Rec. 709, 0..255) are less than 8 apart in full colour;
//   - its 32 x 32 silhouettes overlap 0.65 or more and its mean luminances are less than 8
//     apart under simulated deuteranopia, protanopia or tritanopia (chip_measure.cpp).
//
//   chip_check GAME_DIR                        judge gfx/chips/chip1.png .. chip7.png
//   chip_check --fixture FILE                  judge a set kept as text (see chip_fixture.cpp)
//   chip_check GAME_DIR --write-fixture FILE   keep the built kinds as text
//   --kinds 1,4                                only these kinds (of the pictures or the fixture)
//
// Prints every pair's figures and the worst of each, then one line per broken rule; exits 1 when
// a rule is broken, 2 when the input cannot be read.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "chip_fixture.h"
#include "chip_measure.h"

using namespace chipcheck;

namespace {

constexpr double kOverlapLimit = 0.80;   // silhouettes at 32 x 32
constexpr double kHalfSizeLimit = 0.85;  // silhouettes at 24 x 24
constexpr double kLumaGap = 8.0;         // mean luminance, 0..255
// Outlines this alike must also differ in brightness for colour-blind eyes.
constexpr double kAlikeOutlines = 0.65;

struct Worst {
  double value;
  std::string pair;
  void Take(double v, const std::string& p, bool higher) {
    if (pair.empty() || (higher ? v > value : v < value)) {
      value = v;
      pair = p;
    }
  }
};

int Judge(const std::vector<KindMeasure>& kinds) {
  std::vector<std::string> broken;
  Worst overlap{}, half{}, gap[kViewCount]{}, alikeGap{};
  std::printf("pair         IoU32  IoU24  luminance gap: full  deut  prot  trit\n");
  for (size_t i = 0; i < kinds.size(); ++i) {
    for (size_t j = i + 1; j < kinds.size(); ++j) {
      const KindMeasure &a = kinds[i], &b = kinds[j];
      const std::string pair = "chip" + std::to_string(a.id) + "/chip" + std::to_string(b.id);
      const double o32 = Overlap(a.mask32, b.mask32), o24 = Overlap(a.mask24, b.mask24);
      double d[kViewCount];
      for (int v = 0; v < kViewCount; ++v) d[v] = std::fabs(a.luma[v] - b.luma[v]);
      std::printf("%-12s %5.2f  %5.2f  %24.1f %5.1f %5.1f %5.1f\n", pair.c_str(), o32, o24, d[0],
                  d[1], d[2], d[3]);
      overlap.Take(o32, pair, true);
      half.Take(o24, pair, true);
      for (int v = 0; v < kViewCount; ++v) gap[v].Take(d[v], pair, false);
      char line[160];
      if (o32 >= kOverlapLimit) {
        std::snprintf(line, sizeof line, "%s: silhouettes overlap %.2f at 32x32 (limit %.2f)",
                      pair.c_str(), o32, kOverlapLimit);
        broken.push_back(line);
      }
      if (o24 >= kHalfSizeLimit) {
        std::snprintf(line, sizeof line,
                      "%s: silhouettes overlap %.2f at half size 24x24 (limit %.2f)", pair.c_str(),
                      o24, kHalfSizeLimit);
        broken.push_back(line);
      }
      if (d[kFullColour] < kLumaGap) {
        std::snprintf(line, sizeof line, "%s: mean luminance %.1f apart in full colour (need %.0f)",
                      pair.c_str(), d[kFullColour], kLumaGap);
        broken.push_back(line);
      }
      if (o32 < kAlikeOutlines) continue;
      for (int v = kDeuteranopia; v < kViewCount; ++v) {
        alikeGap.Take(d[v], pair + " " + ViewName(v), false);
        if (d[v] >= kLumaGap) continue;
        std::snprintf(line, sizeof line,
                      "%s: outlines overlap %.2f and mean luminance is %.1f apart under %s "
                      "(need %.0f)",
                      pair.c_str(), o32, d[v], ViewName(v), kLumaGap);
        broken.push_back(line);
      }
    }
  }
  std::printf("worst overlap at 32x32: %.3f (%s)\n", overlap.value, overlap.pair.c_str());
  std::printf("worst overlap at 24x24: %.3f (%s)\n", half.value, half.pair.c_str());
  for (int v = 0; v < kViewCount; ++v)
    std::printf("smallest luminance gap, %s: %.1f (%s)\n", ViewName(v), gap[v].value,
                gap[v].pair.c_str());
  if (alikeGap.pair.empty())
    std::printf("no pair's outlines overlap %.2f or more\n", kAlikeOutlines);
  else
    std::printf("smallest colour-blind gap of outlines overlapping %.2f or more: %.1f (%s)\n",
                kAlikeOutlines, alikeGap.value, alikeGap.pair.c_str());
  for (const std::string& b : broken) std::printf("FAIL %s\n", b.c_str());
  return broken.empty() ? 0 : 1;
}

std::vector<int> ParseKinds(const std::string& list) {
  std::vector<int> ids;
  std::stringstream in(list);
  std::string part;
  while (std::getline(in, part, ',')) ids.push_back(std::atoi(part.c_str()));
  return ids;
}

int Usage() {
  std::puts("usage: chip_check (GAME_DIR [--write-fixture FILE] | --fixture FILE) [--kinds 1,4]");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string gameDir, fixtureIn, fixtureOut;
  std::vector<int> ids = {1, 2, 3, 4, 5, 6, 7};
  bool someKinds = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--fixture" && hasValue) {
      fixtureIn = args[++i];
    } else if (args[i] == "--write-fixture" && hasValue) {
      fixtureOut = args[++i];
    } else if (args[i] == "--kinds" && hasValue) {
      ids = ParseKinds(args[++i]);
      someKinds = true;
    } else if (args[i].rfind("--", 0) != 0 && gameDir.empty()) {
      gameDir = args[i];
    } else {
      return Usage();
    }
  }
  if (gameDir.empty() == fixtureIn.empty()) return Usage();

  std::vector<KindMeasure> kinds;
  std::string error;
  if (!fixtureIn.empty()) {
    if (!ReadFixture(fixtureIn, kinds, error)) {
      std::printf("chip_check: %s\n", error.c_str());
      return 2;
    }
    if (someKinds) {
      std::vector<KindMeasure> chosen;
      for (int id : ids) {
        for (const KindMeasure& k : kinds)
          if (k.id == id) chosen.push_back(k);
      }
      kinds = chosen;
    }
  } else {
    for (int id : ids) {
      KindMeasure k;
      const std::string path = gameDir + "/gfx/chips/chip" + std::to_string(id) + ".png";
      if (!MeasurePicture(path, id, k, error)) {
        std::printf("chip_check: %s\n", error.c_str());
        return 2;
      }
      kinds.push_back(k);
    }
  }
  if (kinds.size() < 2) {
    std::puts("chip_check: fewer than two kinds to compare");
    return 2;
  }
  if (!fixtureOut.empty()) {
    if (WriteFixture(fixtureOut, kinds)) return 0;
    std::printf("chip_check: cannot write %s\n", fixtureOut.c_str());
    return 2;
  }
  return Judge(kinds);
}
