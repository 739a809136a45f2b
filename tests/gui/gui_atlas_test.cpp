// Image atlases: the description format, the cache keyed by the path as written, missing files,
// and how atlas pictures are drawn.
#include <string>
#include <vector>

#include "app/globals.h"
#include "gui/atlas_description.h"
#include "gui/gui_test_support.h"

namespace gui_testing {
namespace {

TEST(AtlasDescription, LineCounts) {
  struct Case {
    const char* what;
    std::string text;
    size_t pictures;
  };
  const std::string group1 = "red\n0\n0\n8\n8\n";
  const std::string group2 = "blue\n8\n0\n4\n6\n";
  const std::vector<Case> cases = {
      {"empty", "", 0},
      {"count only", "2\n", 0},
      {"11 lines: two groups", "2\n" + group1 + group2, 2},
      {"13 lines: two groups and a short tail", "3\n" + group1 + group2 + "green\n1\n", 2},
      {"no final newline", "1\nred\n0\n0\n8\n8", 1},
      {"carriage returns", "1\r\nred\r\n1\r\n2\r\n3\r\n4\r\n", 1},
      {"the count line is not trusted", "99\n" + group1, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseAtlasDescription(c.text).size(), c.pictures) << c.what;
}

TEST(AtlasDescription, FieldsNamesAndDamagedNumbers) {
  auto pics =
      ParseAtlasDescription("2\n  Red Ball \r\n 3\n4x\n5\n6\nbad\n-1\n99999999999\n-7\nzz\n");
  ASSERT_EQ(pics.size(), 2u);
  EXPECT_EQ(pics[0].name, "RED BALL");
  EXPECT_EQ(pics[0].x, 3);
  EXPECT_EQ(pics[0].y, 4);
  EXPECT_EQ(pics[0].w, 5);
  EXPECT_EQ(pics[0].h, 6);
  EXPECT_EQ(pics[1].x, -1);
  EXPECT_EQ(pics[1].y, 2147483647);
  EXPECT_EQ(pics[1].w, 0);  // negative sizes read as 0
  EXPECT_EQ(pics[1].h, 0);
}

class GuiAtlas : public GuiTest {
 protected:
  void MakeAtlas(const std::string& folder, int redWidth) {
    WritePng(Path(folder + "atlas.png"), 64, 64);
    Write(folder + "atlas.txt",
          "2\nred\n0\n0\n" + std::to_string(redWidth) + "\n8\nblue\n16\n24\n4\n6\n");
  }
};

TEST_F(GuiAtlas, OneAtlasSharedAcrossFilesAndLetterCase) {
  MakeAtlas("", 8);
  auto one = LoadText("OBJECT A {\nGFX = atlas.png|red\n}\n", "one.gui");
  auto two = LoadText(
      "OBJECT B {\nGFX = \"ATLAS.PNG|  Red\"\n}\nOBJECT C {\nGFX = atlas.png|BLUE\n}\n", "two.gui");
  TImg* a = one->GetObject("A")->standardProps->img.get();
  TImg* b = two->GetObject("B")->standardProps->img.get();
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a, b);
  EXPECT_EQ(TextureList.Count(), 1);
  TImg* blue = two->GetObject("C")->standardProps->img.get();
  ASSERT_NE(blue, nullptr);
  EXPECT_FLOAT_EQ(blue->x, 16);
  EXPECT_FLOAT_EQ(blue->hx, 2);
  EXPECT_FLOAT_EQ(two->GetObject("C")->dim.w, 4);
  EXPECT_FLOAT_EQ(two->GetObject("C")->dim.h, 6);
  EXPECT_TRUE(problems_.empty()) << problems_.front();
}

TEST_F(GuiAtlas, AtlasPicturesDrawTheirRectangle) {
  MakeAtlas("", 8);
  auto gui = LoadText("OBJECT C {\nGFX = atlas.png|blue\nPOSITION = \"10 20\"\n}\n");
  ClearRecordedDraws();
  gui->draw();
  ASSERT_EQ(RecordedDraws().size(), 1u);
  const RecordedDraw& d = RecordedDraws()[0];
  EXPECT_EQ(d.kind, RecordedDraw::ImageRect);
  EXPECT_FLOAT_EQ(d.x, 12);
  EXPECT_FLOAT_EQ(d.y, 23);
  EXPECT_FLOAT_EQ(d.sx, 16);
  EXPECT_FLOAT_EQ(d.sy, 24);
  EXPECT_FLOAT_EQ(d.sw, 4);
  EXPECT_FLOAT_EQ(d.sh, 6);
  EXPECT_FLOAT_EQ(d.hx, 2);
  EXPECT_FLOAT_EQ(d.hy, 3);
}

TEST_F(GuiAtlas, CacheKeyIsThePathAsWritten) {
  MakeAtlas("a/", 8);
  MakeAtlas("b/", 12);
  auto first = LoadText("OBJECT A {\nGFX = atlas.png|red\n}\n", "a/x.gui");
  auto second = LoadText("OBJECT B {\nGFX = atlas.png|red\n}\n", "b/y.gui");
  TImg* b = second->GetObject("B")->standardProps->img.get();
  ASSERT_NE(b, nullptr);
  EXPECT_FLOAT_EQ(b->w, 8);  // the atlas of folder a, loaded first
  EXPECT_EQ(b, first->GetObject("A")->standardProps->img.get());
}

TEST_F(GuiAtlas, MissingAtlasReportedOnce) {
  auto gui = LoadText("OBJECT A {\nGFX = gone.png|red\n}\nOBJECT B {\nGFX = gone.png|blue\n}\n");
  EXPECT_EQ(gui->GetObject("A")->standardProps->img, nullptr);
  EXPECT_EQ(gui->GetObject("B")->standardProps->img, nullptr);
  ASSERT_EQ(problems_.size(), 1u);
  EXPECT_EQ(problems_[0], "TEXTURE NOT FOUND: gone.png");
  EXPECT_EQ(TextureList.Count(), 1);
}

TEST_F(GuiAtlas, MissingDescriptionGivesNoPictures) {
  WritePng(Path("lonely.png"), 8, 8);
  auto gui = LoadText("OBJECT A {\nGFX = lonely.png|red\n}\n");
  EXPECT_EQ(gui->GetObject("A")->standardProps->img, nullptr);
  ASSERT_FALSE(problems_.empty());
  EXPECT_NE(problems_[0].find("lonely.txt"), std::string::npos);
}

TEST_F(GuiAtlas, UnknownPictureNameGivesNone) {
  MakeAtlas("", 8);
  auto gui = LoadText("OBJECT A {\nGFX = atlas.png|green\nPOSITION = \"5 5\"\n}\n");
  EXPECT_EQ(gui->GetObject("A")->standardProps->img, nullptr);
  EXPECT_FLOAT_EQ(gui->GetObject("A")->dim.w, 0);
  ClearRecordedDraws();
  gui->draw();
  EXPECT_TRUE(RecordedDraws().empty());
}

TEST_F(GuiAtlas, MissingStandalonePictureHasNoImageAndNoSize) {
  auto gui = LoadText("OBJECT A {\nGFX = nothing.png\n}\n");
  TImg* img = gui->GetObject("A")->standardProps->img.get();
  ASSERT_NE(img, nullptr);
  EXPECT_EQ(img->image, nullptr);
  EXPECT_FLOAT_EQ(img->w, 0);
  ASSERT_EQ(problems_.size(), 1u);
  EXPECT_EQ(problems_[0].rfind("NO SUCH FILE: nothing.png ", 0), 0u) << problems_[0];
  EXPECT_NE(problems_[0].find("(REAL PATH: "), std::string::npos) << problems_[0];
}

TEST_F(GuiAtlas, StandalonePicturesAreEachGuisOwnCopy) {
  WritePng(Path("pic.png"), 6, 4);
  auto gui = LoadText("OBJECT A {\nGFX = pic.png\n}\nOBJECT B {\nGFX = pic.png\n}\n");
  TImg* a = gui->GetObject("A")->standardProps->img.get();
  TImg* b = gui->GetObject("B")->standardProps->img.get();
  ASSERT_TRUE(a && b);
  EXPECT_NE(a, b);
  EXPECT_NE(a->image, nullptr);
  EXPECT_FLOAT_EQ(a->w, 6);
  EXPECT_FLOAT_EQ(a->hy, 2);
  EXPECT_FLOAT_EQ(ImageAnchorX(a->image), 3);
}

}  // namespace
}  // namespace gui_testing
