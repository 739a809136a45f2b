#include "match3/chip_kinds.h"

#include "match3/board_math.h"
#include "match3/chip.h"
#include "match3/effect_lists.h"
#include "media/media.h"
#include "textdata/rcm_file.h"

TImage* ChipImages[kChipImageSlots] = {};

namespace {
// A kind count beyond this is a damaged file, not a set of chips anyone could tell apart.
constexpr int kMaxChipKinds = 1000;
}  // namespace

int LoadChipKinds(const std::string& assetRoot) {
  auto file = LoadRCM(assetRoot + "data/chips.txt");
  ChipKinds.Clear();
  for (auto& slot : ChipImages) slot = nullptr;
  int n = TruncInt(file->getFloat("chips::i", 0, 0));
  if (n < 0) n = 0;
  if (n > kMaxChipKinds) {
    PrintLine("data/chips.txt: " + std::to_string(n) + " chip kinds; only the first " +
              std::to_string(kMaxChipKinds) + " are read");
    n = kMaxChipKinds;
  }
  if (n > kChipImageSlots) {
    PrintLine("data/chips.txt: " + std::to_string(n) + " chip kinds; pictures of kinds beyond " +
              std::to_string(kChipImageSlots) + " are not kept for the level preview");
  }
  for (int i = 1; i <= n; ++i) {
    std::string base = "chips::chip" + std::to_string(i) + "::";
    auto kind = std::make_shared<TChip>();
    kind->id = TruncInt(file->getFloat(base + "id", 0, 0));
    std::string gfx = file->getString(base + "gfx", 0);
    kind->img = LoadImageFile(assetRoot + gfx, kImageFiltered | kImageMipmapped);
    CentreImageAnchor(kind->img);
    kind->rgb.r = file->getFloat(base + "rgb", 0, 0);
    kind->rgb.g = file->getFloat(base + "rgb", 1, 0);
    kind->rgb.b = file->getFloat(base + "rgb", 2, 0);
    ChipKinds.AddLast(kind);
    if (i <= kChipImageSlots) ChipImages[i - 1] = kind->img;
  }
  if (!GetChipKind(kBombChipId) || !GetChipKind(kLightningChipId)) {
    PrintLine(
        "data/chips.txt: the bomb (101) or lightning (102) chip kind is missing; "
        "power-up chips cannot be made");
  }
  return n;
}

TChipPtr GetChipKind(int id) {
  TChipPtr found;
  ChipKinds.ForEach([&](const TChipPtr& k) {
    if (!found && k->id == id) found = k;
  });
  return found;
}

TChipPtr NewChip(int id) {
  TChipPtr kind = GetChipKind(id);
  return kind ? kind->Copy() : nullptr;
}
