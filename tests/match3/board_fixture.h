// Shared helpers of the board tests: chip kinds without pictures, level files written from a few
// lines of text, and frames stepped on the virtual clock.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/frame_timing.h"
#include "match3/chip.h"
#include "match3/chip_kinds.h"
#include "match3/effect_lists.h"
#include "match3/flying_chip.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "match3/particle.h"
#include "match3/tile.h"
#include "media/media.h"
#include "test_support.h"

namespace board_test {

// A 1 x 1 white picture that FreeTestImages releases.
inline std::vector<TImage*>& TestImages() {
  static std::vector<TImage*> images;
  return images;
}
inline TImage* TestImage(int w = 1, int h = 1) {
  TImage* img =
      CreateImageFromPixels(w, h, std::vector<uint32_t>(static_cast<size_t>(w * h), 0xFFFFFFFFu));
  TestImages().push_back(img);
  return img;
}
inline void FreeTestImages() {
  for (TImage* img : TestImages()) FreeImage(img);
  TestImages().clear();
}

// Kinds 1..n plus the bomb (101) and lightning (102) chips, each with its own 1x1 picture so
// draws can be told apart.
inline void MakeKinds(int n = 5) {
  ChipKinds.Clear();
  auto add = [](int id) {
    auto k = std::make_shared<TChip>();
    k->id = id;
    k->img = TestImage();
    k->rgb.r = static_cast<float>(id);
    ChipKinds.AddLast(k);
  };
  for (int i = 1; i <= n; ++i) add(i);
  add(kBombChipId);
  add(kLightningChipId);
}

// Every particle slot gets a picture, so emitters make particles.
inline void MakeParticleImages() {
  for (auto& slot : ParticleImages)
    if (!slot) slot = TestImage();
}

inline void ClearEffects() {
  ParticleList.Clear();
  FlyingChipList.Clear();
  FlyingChestList.Clear();
  FantomList.Clear();
  CaptionList.Clear();
}

inline std::string Join(const std::vector<std::string>& rows, const char* section) {
  std::string out = std::string("\t") + section + " {\n";
  for (size_t r = 0; r < rows.size(); ++r)
    out += "\t\trow" + std::to_string(r) + " = " + rows[r] + "\n";
  return out + "\t}\n";
}

// A level file's text: data lines (already "key = value") and the row sections; empty sections
// are left out.
struct LevelText {
  std::vector<std::string> data;
  std::vector<std::string> tiles, chips, chains, chests;
  std::string str() const {
    std::string out = "level {\n\tdata {\n";
    for (auto& d : data) out += "\t\t" + d + "\n";
    out += "\t}\n";
    if (!tiles.empty()) out += Join(tiles, "tile");
    if (!chips.empty()) out += Join(chips, "chips");
    if (!chains.empty()) {
      out += "\tchains {\n\t\tisChain = 1\n";
      for (size_t r = 0; r < chains.size(); ++r)
        out += "\t\trow" + std::to_string(r) + " = " + chains[r] + "\n";
      out += "\t}\n";
    }
    if (!chests.empty()) {
      out += "\tchests {\n\t\tisChest = 1\n";
      for (size_t r = 0; r < chests.size(); ++r)
        out += "\t\trow" + std::to_string(r) + " = " + chests[r] + "\n";
      out += "\t}\n";
    }
    return out + "}\n";
  }
};

inline TLevelPtr LoadFromText(const testing_support::ScratchDir& dir, const std::string& text,
                              const std::string& name = "level.txt") {
  testing_support::WriteFile(dir / name, text);
  return LoadLevel(dir / name);
}

// A whole-board fixture: a level on the game screen, stepped frame by frame at 60 frames per
// second on the virtual clock.
class Board {
 public:
  explicit Board(const TLevelPtr& lv) : level(lv) {
    game.level = lv;
    MainGame = &game;
    FrameDelta = 1;
  }
  ~Board() { MainGame = nullptr; }
  Board(const Board&) = delete;
  Board& operator=(const Board&) = delete;

  TTilePtr at(int r, int c) const { return level->TileAt(r, c); }
  TChipPtr chip(int r, int c) const { return at(r, c)->chip; }

  // One frame: the clock advances by 16 or 17 ms, then every cell and every chip (bottom row
  // first) is updated, and the flying chips after them.
  void frame() {
    static const int kSteps[3] = {16, 17, 17};
    AdvanceVirtualClock(kSteps[frameNo++ % 3]);
    for (auto& row : level->tile)
      for (auto& t : row) t->update();
    for (int r = level->rows - 1; r >= 0; --r)
      for (int c = 0; c < level->cols; ++c)
        if (auto ch = at(r, c)->chip) ch->update();
    UpdateFlyingChips();
  }
  void frames(int n) {
    for (int i = 0; i < n; ++i) frame();
  }

  TLevelPtr level;
  TMainGame game;
  int frameNo = 0;
};

}  // namespace board_test
