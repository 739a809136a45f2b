// contact_sheet GAME_DIR OUT_DIR: composes the built pictures into review sheets: every chip at
// the sizes the game draws it and as colour-blind and greyscale players see it, the cells,
// chains and chest, the board frame around awkward outlines, captions, particles, the game
// screen's pieces, and a sample board laid out as the game lays it out on every background.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "canvas.h"

namespace {

std::string gGame;
std::map<std::string, Canvas> gCache;
int gMissing = 0;

const Canvas& Pic(const std::string& rel) {
  auto it = gCache.find(rel);
  if (it != gCache.end()) return it->second;
  Canvas c = LoadPicture(gGame + "/" + rel);
  if (!c.ok()) {
    std::printf("contact_sheet: missing or unreadable %s\n", rel.c_str());
    ++gMissing;
  }
  return gCache.emplace(rel, std::move(c)).first->second;
}

void Centred(Canvas& dst, const Canvas& src, float x, float y, float scale = 1, float alpha = 1,
             bool additive = false, const float* tint = nullptr) {
  DrawOptions o;
  o.hx = src.w / 2.f;
  o.hy = src.h / 2.f;
  o.scale = scale;
  o.alpha = alpha;
  o.additive = additive;
  if (tint) std::copy(tint, tint + 3, o.tint);
  Draw(dst, src, x, y, o);
}

void Handle(Canvas& dst, const Canvas& src, float x, float y, float hx, float hy) {
  DrawOptions o;
  o.hx = hx;
  o.hy = hy;
  Draw(dst, src, x, y, o);
}

void Save(const Canvas& c, const std::string& out, const std::string& name) {
  const std::string path = out + "/" + name;
  if (!SavePng(c, path)) std::printf("contact_sheet: cannot write %s\n", path.c_str());
}

Canvas Magnify(const Canvas& c, int k) {
  Canvas m(c.w * k, c.h * k);
  for (int y = 0; y < m.h; ++y) {
    for (int x = 0; x < m.w; ++x) {
      const float* s = c.at(x / k, y / k);
      std::copy(s, s + 4, m.at(x, y));
    }
  }
  return m;
}

const int kChipIds[] = {1, 2, 3, 4, 5, 6, 7, 101, 102};

std::string ChipPath(int id) { return "gfx/chips/chip" + std::to_string(id) + ".png"; }

// Row after row: chips on the plain cell, on the cell to clear, at half size (the level
// preview), swollen to 1.25x; then the whole block seen in greyscale and with the three kinds of
// colour blindness.
void ChipSheet(const std::string& out) {
  Canvas block(9 * 56 + 16, 4 * 60 + 8, 0.11f, 0.12f, 0.2f, 1);
  for (int i = 0; i < 9; ++i) {
    const float x = 8 + 28 + i * 56.f;
    Centred(block, Pic("gfx/tiles/tile0.png"), x, 36);
    Centred(block, Pic(ChipPath(kChipIds[i])), x, 36);
    Centred(block, Pic("gfx/tiles/tile1.png"), x, 96);
    Centred(block, Pic(ChipPath(kChipIds[i])), x, 96);
    Centred(block, Pic("gfx/tiles/frame.png"), x, 150, 0.5f);
    Centred(block, Pic("gfx/tiles/tile0.png"), x, 150, 0.5f);
    Centred(block, Pic(ChipPath(kChipIds[i])), x, 150, 0.5f);
    Centred(block, Pic(ChipPath(kChipIds[i])), x, 212, 1.25f);
  }
  const Vision views[] = {Vision::Normal, Vision::Grey, Vision::Deuteranopia,
                          Vision::Protanopia, Vision::Tritanopia};
  Canvas sheet(block.w, block.h * 5 + 4 * 6, 0.05f, 0.05f, 0.07f, 1);
  for (int v = 0; v < 5; ++v) Draw(sheet, Filter(block, views[v]), 0, v * (block.h + 6.f));
  Save(sheet, out, "chips.png");
  Save(Magnify(sheet, 2), out, "chips-2x.png");
}

// The cells, chains, chest and the twelve frame pieces, magnified.
void PiecesSheet(const std::string& out) {
  Canvas sheet(460, 200, 0.3f, 0.32f, 0.38f, 1);
  const char* tiles[] = {"gfx/tiles/tile0.png", "gfx/tiles/tile1.png", "gfx/tiles/frame.png",
                         "gfx/tiles/chain1.png", "gfx/tiles/chain2.png", "gfx/tiles/chest.png"};
  for (int i = 0; i < 6; ++i) Centred(sheet, Pic(tiles[i]), 40 + i * 70.f, 40);
  Centred(sheet, Pic("gfx/tiles/tile0.png"), 40 + 6 * 70.f, 40);
  const char* frames[] = {"frame_left_from_tile",   "frame_up_from_tile",
                          "frame_right_from_tile",  "frame_down_from_tile",
                          "outer_frame_left_up",    "outer_frame_right_up",
                          "outer_frame_right_down", "outer_frame_left_down",
                          "inner_frame_left_up",    "inner_frame_right_up",
                          "inner_frame_right_down", "inner_frame_left_down"};
  for (int i = 0; i < 12; ++i) {
    Centred(sheet, Pic(std::string("gfx/frame/") + frames[i] + ".png"), 30 + i * 36.f, 130);
  }
  Save(Magnify(sheet, 2), out, "pieces-2x.png");
}

// A board laid out as the game does: cells 48 px apart, centred on (512, 366), the frame chosen
// per cell from the twelve pieces, then cells, chips, chains and chests. An edge is shortened to
// its half when the empty cell beside it is itself the inside of a concave corner at that end
// (testing the diagonal cell instead leaves half edges missing along L-shaped outlines).
struct Board {
  int rows = 0, cols = 0;
  std::vector<int> tile, chip, chain, chest;
  int T(int r, int c) const { return tile[r * cols + c]; }
  bool Empty(int r, int c) const {
    return r < 0 || c < 0 || r >= rows || c >= cols || T(r, c) == 0;
  }
  bool Filled(int r, int c) const { return !Empty(r, c); }
  bool InLU(int r, int c) const { return Filled(r, c - 1) && Filled(r - 1, c); }
  bool InRU(int r, int c) const { return Filled(r, c + 1) && Filled(r - 1, c); }
  bool InLD(int r, int c) const { return Filled(r, c - 1) && Filled(r + 1, c); }
  bool InRD(int r, int c) const { return Filled(r, c + 1) && Filled(r + 1, c); }
};

void DrawPiece(Canvas& dst, const std::string& name, float x, float y, float hx, float hy,
               float sx = 0, float sy = 0, float sw = 0, float sh = 0) {
  DrawOptions o;
  o.hx = hx;  // the handle applies to the drawn half, as the media layer does
  o.hy = hy;
  o.sx = sx;
  o.sy = sy;
  o.sw = sw;
  o.sh = sh;
  Draw(dst, Pic("gfx/frame/" + name + ".png"), x, y, o);
}

void DrawBoard(Canvas& dst, const Board& b, float cx, float cy, float scale = 1) {
  const int width = b.cols * 48, height = b.rows * 48;
  const float left = cx - width / 2.f + 24, top = cy - height / 2.f + 24;
  auto X = [&](int c) { return left + c * 48.f; };
  auto Y = [&](int r) { return top + r * 48.f; };
  (void)scale;
  for (int r = 0; r < b.rows; ++r) {
    for (int c = 0; c < b.cols; ++c) {
      if (b.Empty(r, c)) continue;
      const float x = X(c), y = Y(r);
      // Left edge.
      if (b.Empty(r, c - 1)) {
        const bool t1 = b.InRU(r, c - 1), t2 = b.InRD(r, c - 1);
        if (!t1 && !t2) DrawPiece(dst, "frame_left_from_tile", x - 48, y, -7, 24);
        else if (t1 && !t2) DrawPiece(dst, "frame_left_from_tile", x - 48, y + 24, -7, 24, 0, 24, 19, 24);
        else if (!t1 && t2) DrawPiece(dst, "frame_left_from_tile", x - 48, y, -7, 24, 0, 0, 19, 24);
      }
      if (b.Empty(r - 1, c)) {
        const bool t1 = b.InLD(r - 1, c), t2 = b.InRD(r - 1, c);
        if (!t1 && !t2) DrawPiece(dst, "frame_up_from_tile", x, y - 48, 24, -7);
        else if (t1 && !t2) DrawPiece(dst, "frame_up_from_tile", x + 24, y - 48, 24, -7, 24, 0, 24, 19);
        else if (!t1 && t2) DrawPiece(dst, "frame_up_from_tile", x, y - 48, 24, -7, 0, 0, 24, 19);
      }
      if (b.Empty(r, c + 1)) {
        const bool t1 = b.InLU(r, c + 1), t2 = b.InLD(r, c + 1);
        if (!t1 && !t2) DrawPiece(dst, "frame_right_from_tile", x + 48, y, 26, 24);
        else if (t1 && !t2) DrawPiece(dst, "frame_right_from_tile", x + 48, y + 24, 26, 24, 0, 24, 19, 24);
        else if (!t1 && t2) DrawPiece(dst, "frame_right_from_tile", x + 48, y, 26, 24, 0, 0, 19, 24);
      }
      if (b.Empty(r + 1, c)) {
        const bool t1 = b.InLU(r + 1, c), t2 = b.InRU(r + 1, c);
        if (!t1 && !t2) DrawPiece(dst, "frame_down_from_tile", x, y + 48, 24, 26);
        else if (t1 && !t2) DrawPiece(dst, "frame_down_from_tile", x + 24, y + 48, 24, 26, 24, 0, 24, 19);
        else if (!t1 && t2) DrawPiece(dst, "frame_down_from_tile", x, y + 48, 24, 26, 0, 0, 24, 19);
      }
      if (b.Empty(r - 1, c - 1) && b.Empty(r - 1, c) && b.Empty(r, c - 1))
        DrawPiece(dst, "outer_frame_left_up", x - 48, y - 48, -7, -7);
      if (b.Empty(r - 1, c) && b.Empty(r - 1, c + 1) && b.Empty(r, c + 1))
        DrawPiece(dst, "outer_frame_right_up", x + 48, y - 48, 24, -7);
      if (b.Empty(r, c - 1) && b.Empty(r + 1, c - 1) && b.Empty(r + 1, c))
        DrawPiece(dst, "outer_frame_left_down", x - 48, y + 48, -7, 24);
      if (b.Empty(r, c + 1) && b.Empty(r + 1, c) && b.Empty(r + 1, c + 1))
        DrawPiece(dst, "outer_frame_right_down", x + 48, y + 48, 24, 24);
    }
  }
  for (int r = 0; r < b.rows; ++r) {
    for (int c = 0; c < b.cols; ++c) {
      if (b.Filled(r, c)) continue;
      const float x = X(c), y = Y(r);
      if (b.InLU(r, c)) DrawPiece(dst, "inner_frame_left_up", x, y, 26, 26);
      if (b.InRU(r, c)) DrawPiece(dst, "inner_frame_right_up", x, y, 0, 26);
      if (b.InRD(r, c)) DrawPiece(dst, "inner_frame_right_down", x, y, 0, 0);
      if (b.InLD(r, c)) DrawPiece(dst, "inner_frame_left_down", x, y, 26, 0);
    }
  }
  for (int pass = 0; pass < 3; ++pass) {
    for (int r = 0; r < b.rows; ++r) {
      for (int c = 0; c < b.cols; ++c) {
        const int i = r * b.cols + c;
        if (b.tile[i] == 0) continue;
        const float x = X(c), y = Y(r);
        if (pass == 0) {
          Centred(dst, Pic(b.tile[i] == 2 ? "gfx/tiles/tile1.png" : "gfx/tiles/tile0.png"), x, y);
        } else if (pass == 1 && b.chip[i]) {
          Centred(dst, Pic(ChipPath(b.chip[i])), x, y);
        } else if (pass == 2) {
          if (b.chain[i]) Centred(dst, Pic("gfx/tiles/chain" + std::to_string(b.chain[i]) + ".png"), x, y);
          if (b.chest[i]) Centred(dst, Pic("gfx/tiles/chest.png"), x, y);
        }
      }
    }
  }
}

Board MakeBoard(const std::vector<std::string>& rows, unsigned seed) {
  Board b;
  b.rows = static_cast<int>(rows.size());
  b.cols = static_cast<int>(rows[0].size());
  unsigned state = seed;
  auto next = [&state]() {
    state = state * 1103515245u + 12345u;
    return (state >> 16) & 0x7fff;
  };
  for (const std::string& row : rows) {
    for (char ch : row) {
      const int t = ch == '.' ? 0 : ch == '#' ? 2 : 1;
      b.tile.push_back(t);
      int kind = t ? 1 + static_cast<int>(next() % 7) : 0;
      if (ch == 'B') kind = 101;
      if (ch == 'L') kind = 102;
      b.chip.push_back(kind);
      b.chain.push_back(ch == '1' ? 1 : ch == '2' ? 2 : 0);
      b.chest.push_back(ch == 'C' ? 1 : 0);
    }
  }
  return b;
}

const std::vector<std::string> kSampleBoard = {
    ".oooooo.", "oo####oo", "o##oo##o", "o1o..oLo", "oBo..o2o", "o##oo##o", "oo##C#oo",
    ".oooooo.",
};

// The game screen: background, board, the top panel with its collect counters, the four
// power-up buttons on their covers (the last one locked), a pop-up, the hint arrow.
Canvas GameScreen(int background) {
  Canvas screen(1024, 768, 0, 0, 0, 1);
  Draw(screen, Pic("gfx/backgrounds/background-" + std::to_string(background) + ".jpg"), 0, 0);
  DrawBoard(screen, MakeBoard(kSampleBoard, 7u + background), 512, 366);
  const Canvas& panel = Pic("gfx/gui/mainGame/up.png");
  Handle(screen, panel, 512, 0, panel.w / 2.f, 0);
  const int kinds = 5;
  for (int i = 0; i < kinds; ++i) {
    Centred(screen, Pic(ChipPath(i + 1)), 531 - 45 * kinds / 2 + 45 * i, 28, 1, i == 2 ? 0.5f : 1);
  }
  const int px[4] = {100, 350, 560, 800};
  const int off[4][2] = {{-24, 121}, {-17, 104}, {-3, 126}, {-6, 117}};
  const int lock[4] = {163, 419, 644, 881};
  for (int n = 0; n < 4; ++n) {
    const Canvas& img = Pic("gfx/gui/mainGame/powerUp" + std::to_string(n) + ".png");
    const float y = 768.f - img.h;
    Draw(screen, Pic("gfx/gui/mainGame/powerup-cover.png"), px[n] + off[n][0], y + off[n][1]);
    Draw(screen, img, px[n], y);
    if (n == 3) Centred(screen, Pic("gfx/gui/mainGame/lock.png"), lock[n], 707);
    if (n == 1) {
      const Canvas& pop = Pic("gfx/gui/mainGame/popupmini.png");
      Draw(screen, pop, std::max(0.f, px[n] - pop.w / 2.f + img.w / 2.f), y - 60);
    }
  }
  Centred(screen, Pic("gfx/gui/mainGame/arrow.png"), 512 + 24 + 30, 366 - 48 * 2);
  Draw(screen, Pic("gfx/gui/mouse.png"), 700 - 2, 300 - 2);
  return screen;
}

void FrameShapes(const std::string& out) {
  Canvas sheet(1024, 560, 0.16f, 0.2f, 0.26f, 1);
  // An L, a ring around one hole, two cells touching at a corner, a staircase.
  DrawBoard(sheet, MakeBoard({"ooo...", "ooo...", "oooooo", "oooooo"}, 3), 200, 150);
  DrawBoard(sheet, MakeBoard({"ooo", "o.o", "ooo"}, 4), 520, 130);
  DrawBoard(sheet, MakeBoard({"o.", ".o"}, 5), 780, 130);
  DrawBoard(sheet, MakeBoard({"o....", "oo...", "ooo..", "oooo.", "ooooo"}, 6), 250, 420);
  DrawBoard(sheet, MakeBoard({".o.o.", "ooooo", ".o.o.", "ooooo"}, 8), 720, 400);
  Save(sheet, out, "frame-shapes.png");
}

void CaptionSheet(const std::string& out) {
  Canvas sheet(1024, 900, 0.2f, 0.22f, 0.3f, 1);
  Draw(sheet, Pic("gfx/backgrounds/background-3.jpg"), 0, 0);
  Centred(sheet, Pic("gfx/captions/en/readysetgo.png"), 512, 110);
  Centred(sheet, Pic("gfx/captions/en/victory.png"), 512, 290);
  Centred(sheet, Pic("gfx/captions/en/noMoves.png"), 512, 450);
  Centred(sheet, Pic("gfx/captions/en/noCash.png"), 200, 560);
  for (int i = 1; i <= 5; ++i) {
    Centred(sheet, Pic("gfx/captions/en/combo" + std::to_string(i) + ".png"),
            120 + (i - 1) * 195.f, 680 + (i % 2) * 90.f);
  }
  Save(sheet, out, "captions.png");
}

void ParticleSheet(const std::string& out) {
  const char* names[] = {"part0", "part1", "part2", "part3", "part4", "1", "2", "3", "4", "5",
                         "6", "cloud-1", "cloud-2", "chain", "rain", "cloud-3", "cloud-4", "ring",
                         "chest-part-0", "chest-part-1", "chest-part-2", "chest-part-3"};
  Canvas sheet(1024, 420, 0.02f, 0.02f, 0.05f, 1);
  const float tints[3][3] = {{1, 1, 1}, {1, 0.55f, 0.15f}, {0.2f, 1, 1}};
  for (int i = 0; i < 22; ++i) {
    const float x = 46 + (i % 11) * 93.f, y = 60 + (i / 11) * 150.f;
    const std::string rel = std::string("gfx/particles/") + names[i] + ".png";
    const bool plain = std::string(names[i]) == "chain" || std::string(names[i]).rfind("chest", 0) == 0;
    Centred(sheet, Pic(rel), x, y, 1, 1, !plain, tints[0]);
    Centred(sheet, Pic(rel), x, y + 70, 0.6f, 1, !plain, tints[1 + i % 2]);
  }
  const int hx[5] = {101, 59, 30, 33, 34}, hy[5] = {34, 20, 31, 21, 21};
  for (int i = 0; i < 5; ++i) {
    DrawOptions o;
    o.hx = static_cast<float>(hx[i]);
    o.hy = static_cast<float>(hy[i]);
    o.additive = true;
    Draw(sheet, Pic("gfx/particles/menu-" + std::to_string(i) + ".png"), 120 + i * 190.f, 370, o);
  }
  Save(sheet, out, "particles.png");
}

void InterfaceSheet(const std::string& out) {
  Canvas sheet(1024, 700, 0.25f, 0.27f, 0.36f, 1);
  const Canvas& panel = Pic("gfx/gui/mainGame/up.png");
  Draw(sheet, panel, 0, 0);
  float x = 20;
  for (int n = 0; n < 4; ++n) {
    const Canvas& img = Pic("gfx/gui/mainGame/powerUp" + std::to_string(n) + ".png");
    Draw(sheet, img, x, 120);
    DrawOptions o;
    o.additive = true;
    o.alpha = 0.3f;
    Draw(sheet, img, x, 300, {});
    Draw(sheet, img, x, 300, o);
    x += img.w + 30.f;
  }
  Draw(sheet, Pic("gfx/gui/mainGame/powerup-cover.png"), 20, 470);
  Centred(sheet, Pic("gfx/gui/mainGame/lock.png"), 260, 490);
  Draw(sheet, Pic("gfx/gui/mainGame/popupmini.png"), 320, 450);
  Centred(sheet, Pic("gfx/gui/mainGame/arrow.png"), 660, 490);
  Centred(sheet, Pic("gfx/gui/mainGame/explosive.png"), 720, 490);
  Draw(sheet, Pic("gfx/gui/mouse.png"), 770, 470);
  Centred(sheet, Pic("gfx/point.png"), 820, 490, 4);
  Draw(sheet, Pic("gfx/icon.png"), 860, 440);
  Draw(sheet, Pic("gfx/gui/common/buttons.png"), 20, 560);
  Save(sheet, out, "interface.png");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::puts("usage: contact_sheet GAME_DIR OUT_DIR");
    return 2;
  }
  gGame = argv[1];
  const std::string out = argv[2];
  std::filesystem::create_directories(out);
  ChipSheet(out);
  PiecesSheet(out);
  FrameShapes(out);
  CaptionSheet(out);
  ParticleSheet(out);
  InterfaceSheet(out);
  for (int i = 1; i <= 10; ++i) Save(GameScreen(i), out, "board-" + std::to_string(i) + ".png");
  std::printf("contact_sheet: sheets written to %s (%d pictures missing)\n", out.c_str(), gMissing);
  return gMissing == 0 ? 0 : 1;
}
