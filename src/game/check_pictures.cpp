// Picture checks for --check-data. The sizes below are those the drawing code depends on: the
// 48-px cell, the frame pieces' handles, the power-up buttons' lock spots and cover offsets, the
// menu glints' handles and the full-screen backgrounds.
#include "game/check_pictures.h"

#include <cstdlib>
#include <memory>
#include <string>

#include "app/globals.h"
#include "game/screen_list.h"
#include "gui/screen_descriptor.h"
#include "media/media.h"
#include "textdata/data_check_report.h"
#include "textdata/rcm_file.h"
#include "textdata/txt_file.h"

namespace {

struct Expect {
  const char* path;
  int w;  // 0: any width
  int h;  // 0: any height
};

// Pictures with fixed names; a size of 0 is not fixed by the code.
const Expect kFixed[] = {
    {"gfx/tiles/tile0.png", 48, 48},
    {"gfx/tiles/tile1.png", 48, 48},
    {"gfx/tiles/frame.png", 0, 0},
    {"gfx/tiles/chain1.png", 48, 48},
    {"gfx/tiles/chain2.png", 48, 48},
    {"gfx/tiles/chest.png", 48, 48},
    {"gfx/frame/frame_left_from_tile.png", 19, 48},
    {"gfx/frame/frame_up_from_tile.png", 48, 19},
    {"gfx/frame/frame_right_from_tile.png", 19, 48},
    {"gfx/frame/frame_down_from_tile.png", 48, 19},
    {"gfx/frame/outer_frame_left_up.png", 17, 17},
    {"gfx/frame/outer_frame_right_up.png", 17, 17},
    {"gfx/frame/outer_frame_right_down.png", 17, 17},
    {"gfx/frame/outer_frame_left_down.png", 17, 17},
    {"gfx/frame/inner_frame_left_up.png", 26, 26},
    {"gfx/frame/inner_frame_right_up.png", 26, 26},
    {"gfx/frame/inner_frame_right_down.png", 26, 26},
    {"gfx/frame/inner_frame_left_down.png", 26, 26},
    {"gfx/captions/en/readysetgo.png", 0, 0},
    {"gfx/captions/en/victory.png", 0, 0},
    {"gfx/captions/en/noCash.png", 0, 0},
    {"gfx/captions/en/noMoves.png", 0, 0},
    {"gfx/captions/en/combo1.png", 0, 0},
    {"gfx/captions/en/combo2.png", 0, 0},
    {"gfx/captions/en/combo3.png", 0, 0},
    {"gfx/captions/en/combo4.png", 0, 0},
    {"gfx/captions/en/combo5.png", 0, 0},
};

const char* const kParticles[] = {"part0",
                                  "part1",
                                  "part2",
                                  "part3",
                                  "part4",
                                  "1",
                                  "2",
                                  "3",
                                  "4",
                                  "5",
                                  "6",
                                  "cloud-1",
                                  "cloud-2",
                                  "chain",
                                  "rain",
                                  "cloud-3",
                                  "cloud-4",
                                  "ring",
                                  "chest-part-0",
                                  "chest-part-1",
                                  "chest-part-2",
                                  "chest-part-3",
                                  "menu-0",
                                  "menu-1",
                                  "menu-2",
                                  "menu-3",
                                  "menu-4"};

// Handles the particle set-up gives the menu glints: the picture must contain its handle.
const int kGlintHandles[5][2] = {{101, 34}, {59, 20}, {30, 31}, {33, 21}, {34, 21}};

// Power-up buttons: left edge, lock spot x (the lock sits on the button's centre line) and the
// offset of the cover below each button.
const int kButtonX[4] = {100, 350, 560, 800};
const int kLockX[4] = {163, 419, 644, 881};
const int kCoverOffset[4][2] = {{-24, 121}, {-17, 104}, {-3, 126}, {-6, 117}};

struct Size {
  int w = 0, h = 0;
  bool ok = false;
};

class Checker {
 public:
  Checker(std::string root, std::vector<std::string>& problems)
      : root_(std::move(root)), problems_(problems) {}

  // Loads the picture and reports a missing or undecodable file; jpeg pictures must also be
  // free of pure black, which the masked loading would turn into holes.
  Size Load(const std::string& rel) {
    Size size;
    const std::string path = root_ + rel;
    if (PathKind(path) != 1) {
      Problem(rel + ": missing");
      return size;
    }
    TPixmap* pixmap = LoadPixmapFile(path);
    if (!pixmap) {
      Problem(rel + ": does not decode as a picture");
      return size;
    }
    size.w = PixmapWidth(pixmap);
    size.h = PixmapHeight(pixmap);
    size.ok = size.w > 0 && size.h > 0;
    if (!size.ok) Problem(rel + ": empty picture");
    if (size.ok && rel.size() > 4 && rel.compare(rel.size() - 4, 4, ".jpg") == 0) {
      long black = 0;
      for (int y = 0; y < size.h; ++y) {
        for (int x = 0; x < size.w; ++x) {
          if ((PixmapPixel(pixmap, x, y) & 0xFFFFFFu) == 0) ++black;
        }
      }
      if (black > 0) {
        Problem(rel + ": " + std::to_string(black) +
                " pure black pixels (they would be drawn as holes)");
      }
    }
    FreePixmap(pixmap);
    return size;
  }

  Size LoadIfPresent(const std::string& rel) {
    if (PathKind(root_ + rel) != 1) return {};
    return Load(rel);
  }

  Size Expecting(const std::string& rel, int w, int h) {
    const Size s = Load(rel);
    if (s.ok && ((w && s.w != w) || (h && s.h != h))) {
      Problem(rel + ": " + std::to_string(s.w) + "x" + std::to_string(s.h) + ", expected " +
              (w ? std::to_string(w) : std::string("any")) + "x" +
              (h ? std::to_string(h) : std::string("any")));
    }
    return s;
  }

  void Problem(const std::string& text) { problems_.push_back(text); }
  const std::string& root() const { return root_; }

 private:
  std::string root_;
  std::vector<std::string>& problems_;
};

}  // namespace

std::vector<std::string> ChipPicturePaths(const std::string& chipsFile) {
  std::vector<std::string> paths;
  std::shared_ptr<TRCMFile> file = LoadRCM(chipsFile);
  const int count = static_cast<int>(file->getFloat("chips::i", 0));
  // A damaged count must not make this loop run far past what the file holds.
  for (int i = 1; i <= count && i <= 1000; ++i) {
    const std::string key = "chips::chip" + std::to_string(i) + "::gfx";
    if (!file->findEntry(key)) break;
    paths.push_back(file->getString(key, 0));
  }
  return paths;
}

int CheckPictures(const std::string& gameDir, std::vector<std::string>& problems) {
  const size_t before = problems.size();
  std::string root = gameDir;
  if (!root.empty() && root.back() != '/') root += '/';
  Checker check(root, problems);

  for (const Expect& e : kFixed) check.Expecting(e.path, e.w, e.h);
  // Every picture a screen's descriptor names, with the size its drawing relies on.
  for (const TScreenDescriptor* screen : AllScreenDescriptors())
    for (const TScreenPicture& picture : screen->pictures)
      check.Expecting(WithLanguage(picture.path), picture.w, picture.h);

  // The hit point, the pointer and the icon are reported missing by the application's own
  // check; here only their sizes matter.
  const Size point = check.LoadIfPresent("gfx/point.png");
  if (point.ok && (point.w > 3 || point.h > 3)) {
    check.Problem("gfx/point.png: " + std::to_string(point.w) + "x" + std::to_string(point.h) +
                  ", the puzzle's hit point must be at most 3x3");
  }
  const Size mouse = check.LoadIfPresent("gfx/gui/mouse.png");
  if (mouse.ok && (mouse.w < 3 || mouse.h < 3)) {
    check.Problem("gfx/gui/mouse.png: smaller than its hot spot (2, 2)");
  }
  const Size icon = check.LoadIfPresent("gfx/icon.png");
  if (icon.ok && (icon.w < 16 || icon.h < 16 || icon.w != icon.h)) {
    check.Problem("gfx/icon.png: " + std::to_string(icon.w) + "x" + std::to_string(icon.h) +
                  ", a window icon should be square and at least 16x16");
  }

  for (int i = 1; i <= 10; ++i) {
    check.Expecting("gfx/backgrounds/background-" + std::to_string(i) + ".jpg", 1024, 768);
  }

  for (const char* name : kParticles) check.Load(std::string("gfx/particles/") + name + ".png");
  for (int i = 0; i < 5; ++i) {
    const std::string rel = "gfx/particles/menu-" + std::to_string(i) + ".png";
    const Size s = check.Load(rel);
    if (s.ok && (s.w <= kGlintHandles[i][0] || s.h <= kGlintHandles[i][1])) {
      check.Problem(rel + ": smaller than its handle (" + std::to_string(kGlintHandles[i][0]) +
                    ", " + std::to_string(kGlintHandles[i][1]) + ")");
    }
  }

  // The four power-up buttons sit on the bottom edge; their locks are drawn at fixed spots and
  // their covers at fixed offsets, so the buttons' sizes must agree with both.
  const Size cover = check.Load("gfx/gui/mainGame/powerup-cover.png");
  int coverTop = -1;
  for (int n = 0; n < 4; ++n) {
    const std::string rel = "gfx/gui/mainGame/powerUp" + std::to_string(n) + ".png";
    const Size s = check.Load(rel);
    if (!s.ok) continue;
    const int centre = kButtonX[n] + s.w / 2;
    if (std::abs(centre - kLockX[n]) > 3) {
      check.Problem(rel + ": centre x " + std::to_string(centre) + " misses the lock spot x " +
                    std::to_string(kLockX[n]));
    }
    if (s.h > 170) check.Problem(rel + ": taller than 170, it would reach into the board");
    const int top = 768 - s.h + kCoverOffset[n][1];
    if (cover.ok && top >= 768) check.Problem(rel + ": its cover would be drawn off screen");
    if (coverTop < 0) {
      coverTop = top;
    } else if (std::abs(coverTop - top) > 2) {
      check.Problem(rel + ": its cover would sit at y " + std::to_string(top) + ", the others at " +
                    std::to_string(coverTop));
    }
  }

  ReadStatus status = ReadStatus::Ok;
  if (PathKind(root + "data/chips.txt") != 1) {
    check.Problem("data/chips.txt: missing, so no chip picture can be checked");
  } else {
    const std::vector<std::string> paths = ChipPicturePaths(root + "data/chips.txt");
    if (paths.empty()) check.Problem("data/chips.txt: names no chip picture");
    for (const std::string& rel : paths) {
      const Size s = check.Load(rel);
      if (s.ok && (s.w > 48 || s.h > 48)) {
        check.Problem(rel + ": " + std::to_string(s.w) + "x" + std::to_string(s.h) +
                      ", a chip must fit its 48 x 48 cell");
      }
    }
  }

  // Atlas textures shipped with the game: every rectangle of the description must lie inside.
  const std::string atlas = "gfx/gui/common/buttons";
  const Size tex = check.Load(atlas + ".png");
  const std::string desc = ReadWholeText(root + atlas + ".txt", &status);
  if (status != ReadStatus::Ok) {
    check.Problem(atlas + ".txt: missing");
  } else if (tex.ok) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= desc.size()) {
      size_t end = desc.find('\n', start);
      if (end == std::string::npos) end = desc.size();
      lines.push_back(desc.substr(start, end - start));
      start = end + 1;
    }
    for (size_t k = 1; k + 4 < lines.size(); k += 5) {
      const int x = std::atoi(lines[k + 1].c_str()), y = std::atoi(lines[k + 2].c_str());
      const int w = std::atoi(lines[k + 3].c_str()), h = std::atoi(lines[k + 4].c_str());
      if (x < 0 || y < 0 || w <= 0 || h <= 0 || x + w > tex.w || y + h > tex.h) {
        check.Problem(atlas + ".txt: picture " + lines[k] + " lies outside the texture");
      }
    }
  }
  return static_cast<int>(problems.size() - before);
}

void CheckPictureData(TDataCheckReport& report) {
  std::vector<std::string> problems;
  CheckPictures(AssetRoot, problems);
  report.ProblemLines(AssetRoot, problems);
}
