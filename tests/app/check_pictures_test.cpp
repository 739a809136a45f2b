// The picture checks of --check-data: the built game tree passes, and each kind of damage is
// reported with the file it concerns.
#include "game/check_pictures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "test_support.h"

namespace fs = std::filesystem;
using testing_support::BuildDir;
using testing_support::MediaScope;
using testing_support::ScratchDir;
using testing_support::WriteFile;

namespace {

bool Mentions(const std::vector<std::string>& problems, const std::string& text) {
  for (const std::string& p : problems) {
    if (p.find(text) != std::string::npos) return true;
  }
  return false;
}

std::string Joined(const std::vector<std::string>& problems) {
  std::string all;
  for (const std::string& p : problems) all += p + "\n";
  return all;
}

}  // namespace

TEST(CheckPictures, BuiltGameTreeHasNoProblems) {
  MediaScope media;
  ASSERT_TRUE(media.ok());
  std::vector<std::string> problems;
  EXPECT_EQ(CheckPictures(BuildDir() + "/game", problems), 0) << Joined(problems);
}

TEST(CheckPictures, ReportsEachDamageWithItsFile) {
  MediaScope media;
  ASSERT_TRUE(media.ok());
  const auto overwrite = fs::copy_options::overwrite_existing;
  struct Case {
    const char* what;
    std::function<void(const std::string&)> damage;
    const char* expected;
  };
  const Case cases[] = {
      {"missing tile picture", [](const std::string& g) { fs::remove(g + "gfx/tiles/chest.png"); },
       "gfx/tiles/chest.png: missing"},
      {"cell picture of the wrong size",
       [&](const std::string& g) {
         fs::copy_file(g + "gfx/frame/frame_left_from_tile.png", g + "gfx/tiles/tile0.png",
                       overwrite);
       },
       "gfx/tiles/tile0.png: 19x48, expected 48x48"},
      {"file that is not a picture",
       [](const std::string& g) { WriteFile(g + "gfx/captions/en/victory.png", "not a png"); },
       "gfx/captions/en/victory.png: does not decode"},
      {"power-up button whose lock and cover no longer fit",
       [&](const std::string& g) {
         fs::copy_file(g + "gfx/gui/mainGame/powerUp1.png", g + "gfx/gui/mainGame/powerUp0.png",
                       overwrite);
       },
       "gfx/gui/mainGame/powerUp0.png: centre x 169 misses the lock spot x 163"},
      {"background of the wrong size",
       [&](const std::string& g) {
         fs::copy_file(g + "gfx/gui/mainGame/up.png", g + "gfx/backgrounds/background-4.jpg",
                       overwrite);
       },
       "gfx/backgrounds/background-4.jpg: 1024x80, expected 1024x768"},
      {"chip file naming a missing picture",
       [](const std::string& g) {
         WriteFile(g + "data/chips.txt",
                   "chips {\n\ti = 1\n\tchip1 {\n\t\tid = 1\n\t\tgfx = \"gfx/chips/gone.png\"\n"
                   "\t\trgb = 1, 2, 3\n\t}\n}\n");
       },
       "gfx/chips/gone.png: missing"},
      {"glint smaller than its handle",
       [&](const std::string& g) {
         fs::copy_file(g + "gfx/particles/part0.png", g + "gfx/particles/menu-0.png", overwrite);
       },
       "gfx/particles/menu-0.png: smaller than its handle (101, 34)"},
      {"hit point too large",
       [&](const std::string& g) {
         fs::copy_file(g + "gfx/particles/part0.png", g + "gfx/point.png", overwrite);
       },
       "gfx/point.png: 32x32, the puzzle's hit point must be at most 3x3"},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    const std::string game = dir.path() + "/game/";
    // Pictures and data only: the sounds are not needed here.
    fs::create_directories(game);
    for (const char* part : {"gfx", "data"}) {
      fs::copy(BuildDir() + "/game/" + part, game + part, fs::copy_options::recursive);
    }
    c.damage(game);
    std::vector<std::string> problems;
    EXPECT_GE(CheckPictures(game, problems), 1) << c.what;
    EXPECT_TRUE(Mentions(problems, c.expected)) << c.what << "\n" << Joined(problems);
  }
}

TEST(CheckPictures, ChipPicturePathsFollowTheCountAndStopAtTheLastEntry) {
  MediaScope media;
  ScratchDir dir;
  WriteFile(dir / "chips.txt",
            "chips {\n\ti = 5\n\tCHIP1 {\n\t\tgfx = \"a.png\"\n\t}\n\tchip2 {\n\t\tGfx = "
            "\"b.png\"\n\t}\n}\n");
  EXPECT_EQ(ChipPicturePaths(dir / "chips.txt"), (std::vector<std::string>{"a.png", "b.png"}));
  EXPECT_TRUE(ChipPicturePaths(dir / "missing.txt").empty());
}
