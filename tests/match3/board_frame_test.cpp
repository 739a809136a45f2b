// The board frame closes around any outline: with pieces of the art's sizes and the game's own
// handles, every pixel of the band around the filled cells is covered exactly once, at straight
// sides, outer corners and inner corners alike, for every outline a 3 x 3 grid can hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "match3/level.h"
#include "match3/main_game.h"
#include "match3/tile.h"
#include "media/media.h"
#include "media/picture_codecs.h"
#include "test_support.h"

using testing_support::ScratchDir;

namespace {

constexpr int kCell = 48;
// How far the frame reaches out from the cells it borders.
constexpr int kBand = 17;
constexpr int kRim = 2;

// The twelve frame pictures, written with the sizes the game's art has.
void WriteFramePictures(const std::string& root) {
  struct Piece {
    const char* file;
    int w, h;
  };
  static const Piece kPieces[12] = {
      {"frame_left_from_tile.png", 19, 48},   {"frame_up_from_tile.png", 48, 19},
      {"frame_right_from_tile.png", 19, 48},  {"frame_down_from_tile.png", 48, 19},
      {"outer_frame_left_up.png", 17, 17},    {"outer_frame_right_up.png", 17, 17},
      {"outer_frame_right_down.png", 17, 17}, {"outer_frame_left_down.png", 17, 17},
      {"inner_frame_left_up.png", 26, 26},    {"inner_frame_right_up.png", 26, 26},
      {"inner_frame_right_down.png", 26, 26}, {"inner_frame_left_down.png", 26, 26}};
  std::filesystem::create_directories(root + "gfx/frame");
  for (const Piece& p : kPieces) {
    std::vector<uint8_t> rgba(static_cast<size_t>(p.w * p.h * 4), 255);
    std::string png;
    ASSERT_TRUE(media_internal::EncodePng(p.w, p.h, rgba.data(), true, png));
    testing_support::WriteFile(root + "gfx/frame/" + p.file, png);
  }
}

// A board whose cell (r, c) is filled where rows[r][c] is '#', a hole elsewhere.
TLevelPtr Outline(const std::vector<std::string>& rows) {
  auto level = std::make_shared<TLevel>();
  level->rows = static_cast<int>(rows.size());
  level->cols = static_cast<int>(rows[0].size());
  level->tile.assign(rows.size(), {});
  for (int r = 0; r < level->rows; ++r) {
    for (int c = 0; c < level->cols; ++c) {
      TTilePtr t = NewTile(rows[r][c] == '#' ? 1 : 0);
      t->r = r;
      t->c = c;
      t->level = level;
      level->tile[r].push_back(t);
    }
  }
  level->_InitDims();
  return level;
}

// Draws the frame of the board and checks its pixels: "" when the band is closed, else the first
// fault found.
std::string FrameFault(TMainGame& game, const std::vector<std::string>& rows) {
  game.level = Outline(rows);
  const TLevel& lv = *game.level;
  const int margin = kCell;
  const int x0 = lv.drawX - kCell / 2 - margin, y0 = lv.drawY - kCell / 2 - margin;
  const int w = lv.width + 2 * margin, h = lv.height + 2 * margin;
  auto index = [&](int x, int y) { return static_cast<size_t>((y - y0) * w + (x - x0)); };

  // Chebyshev distance of each pixel from the nearest filled cell (0 inside one).
  std::vector<int> dist(static_cast<size_t>(w * h), INT_MAX);
  for (auto& row : lv.tile) {
    for (auto& t : row) {
      if (t->id == kTileHole) continue;
      const int left = t->drawX - kCell / 2, top = t->drawY - kCell / 2;
      for (int y = top - margin; y < top + kCell + margin; ++y) {
        for (int x = left - margin; x < left + kCell + margin; ++x) {
          int dx = std::max({left - x, x - (left + kCell - 1), 0});
          int dy = std::max({top - y, y - (top + kCell - 1), 0});
          int& d = dist[index(x, y)];
          d = std::min(d, std::max(dx, dy));
        }
      }
    }
  }

  std::vector<int> cover(dist.size(), 0);
  ClearRecordedDraws();
  game.frameA = 1;
  game._drawFrame();
  for (const RecordedDraw& d : RecordedDraws()) {
    const int left = static_cast<int>(std::lround(d.x - d.hx));
    const int top = static_cast<int>(std::lround(d.y - d.hy));
    const int dw = static_cast<int>(d.w), dh = static_cast<int>(d.h);
    for (int y = top; y < top + dh; ++y) {
      for (int x = left; x < left + dw; ++x) {
        if (x < x0 || y < y0 || x >= x0 + w || y >= y0 + h)
          return "a piece reaches far off the board at " + std::to_string(x) + "," +
                 std::to_string(y);
        ++cover[index(x, y)];
      }
    }
  }
  for (int y = y0; y < y0 + h; ++y) {
    for (int x = x0; x < x0 + w; ++x) {
      const int d = dist[index(x, y)], n = cover[index(x, y)];
      // Pixel positions relative to the top-left cell's corner, so faults name the cell.
      auto where = [&] {
        return std::to_string(x - (lv.drawX - kCell / 2)) + "," +
               std::to_string(y - (lv.drawY - kCell / 2));
      };
      if (d >= 1 && d <= kBand && n == 0) return "gap at " + where();
      // Pieces lay a 2-pixel rim under the cells they border; where two cells touch only at a
      // corner, the rims of the two inner corners there meet outside the cells.
      if (d > kRim && n > 1) return "drawn " + std::to_string(n) + " times at " + where();
      if (d > kCell / 2 && n > 0) return "stray piece at " + where();
    }
  }
  return "";
}

class BoardFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(media.ok());
    root = dir.path() + "/";
    WriteFramePictures(root);
    game._setupFrames(root);
    for (int i = 0; i < 4; ++i) {
      ASSERT_NE(game.frameImg[i], nullptr);
      ASSERT_NE(game.frameOuter[i], nullptr);
      ASSERT_NE(game.frameInner[i], nullptr);
    }
  }
  void TearDown() override {
    for (int i = 0; i < 4; ++i) {
      FreeImage(game.frameImg[i]);
      FreeImage(game.frameOuter[i]);
      FreeImage(game.frameInner[i]);
    }
  }
  testing_support::MediaScope media;
  ScratchDir dir;
  std::string root;
  TMainGame game;
};

TEST_F(BoardFrameTest, ClosesAroundNamedOutlines) {
  struct Case {
    const char* name;
    std::vector<std::string> rows;
  };
  const std::vector<Case> cases = {
      {"rectangle", {"####", "####", "####"}},
      {"single cell", {"#"}},
      {"L", {"#.", "##"}},
      {"wide L", {"##.", "##.", "###"}},
      {"inner hole", {"###", "#.#", "###"}},
      {"two holes side by side", {"####", "#..#", "####"}},
      {"corridor open at the top", {"#.#", "#.#", "###"}},
      {"cells touching at a corner", {"#.", ".#"}},
      {"staircase", {"#...", "##..", ".##.", "..##"}},
      {"ring with a cell in the middle", {"#####", "#...#", "#.#.#", "#...#", "#####"}},
  };
  for (const Case& k : cases) EXPECT_EQ(FrameFault(game, k.rows), "") << k.name;
}

TEST_F(BoardFrameTest, ClosesAroundEveryOutlineOfAThreeByThreeGrid) {
  for (int mask = 1; mask < (1 << 9); ++mask) {
    std::vector<std::string> rows(3, "...");
    for (int i = 0; i < 9; ++i)
      if (mask & (1 << i)) rows[static_cast<size_t>(i / 3)][static_cast<size_t>(i % 3)] = '#';
    std::string fault = FrameFault(game, rows);
    EXPECT_EQ(fault, "") << rows[0] << " / " << rows[1] << " / " << rows[2];
    if (!fault.empty()) break;  // one outline shows the fault; the rest would repeat it
  }
}

}  // namespace
