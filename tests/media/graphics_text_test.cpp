// Fonts and text measuring: advances summed with truncation, line heights, the size rules,
// the built-in font and damaged font files.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>

#include "graphics_fixture.h"
#include "media/font_types.h"

namespace {

using testing_support::ScratchDir;
using testing_support::WriteFile;

TEST(GraphicsText, WidthTruncatesAfterEachAddition) {
  testing_support::MediaScope media;
  SetTextFont(nullptr);
  TImageFont* font = media_internal::DefaultFont();
  // Give two glyphs fractional advances (as scaled outlines have) and measure.
  const float saved = font->glyphs['a'].advance, savedB = font->glyphs['b'].advance;
  font->glyphs['a'].advance = 2.6f;
  font->glyphs['b'].advance = 0.7f;
  EXPECT_EQ(TextWidthOf("a"), 2);
  EXPECT_EQ(TextWidthOf("aaa"), 6);   // 2, 4, 6 (not 7.8)
  EXPECT_EQ(TextWidthOf("bbbb"), 0);  // each 0.7 is lost at once
  EXPECT_EQ(TextWidthOf("ab"), 2);
  font->glyphs['a'].advance = saved;
  font->glyphs['b'].advance = savedB;
}

TEST(GraphicsText, BuiltInFontMeasuresEveryCharacter) {
  testing_support::MediaScope media;
  SetTextFont(nullptr);
  EXPECT_EQ(GetTextFont(), nullptr);
  EXPECT_EQ(FontLineHeight(), 20);
  EXPECT_EQ(TextWidthOf(""), 0);
  EXPECT_EQ(TextWidthOf("abc"), 36);
  EXPECT_EQ(TextWidthOf("\xC5\xBB"), 12);  // a letter it lacks shows as "?"
  EXPECT_EQ(TextWidthOf("a\nb"), 24);      // control characters take no room
}

TEST(GraphicsText, TrueTypeLineHeightAndAdvancesFollowTheRasteriser) {
  const std::string path = graphics_testing::TestFontPath();
  if (path.empty()) GTEST_SKIP() << "no TrueType font to test with";
  testing_support::MediaScope media;
  TImageFont* font = LoadFontFile(path, 24, 4);
  ASSERT_NE(font, nullptr);
  SetTextFont(font);
  EXPECT_EQ(GetTextFont(), font);

  FT_Library library;
  ASSERT_EQ(FT_Init_FreeType(&library), 0);
  FT_Face face;
  ASSERT_EQ(FT_New_Face(library, path.c_str(), 0, &face), 0);
  ASSERT_EQ(FT_Set_Pixel_Sizes(face, 0, 24), 0);
  EXPECT_EQ(FontLineHeight(), int(face->size->metrics.height >> 6));
  float expected = 0;
  for (char c : std::string("Kelvaroth 42!")) {
    ASSERT_EQ(FT_Load_Char(face, FT_ULong(c), FT_LOAD_DEFAULT), 0);
    expected = std::trunc(expected + float(face->glyph->advance.x) / 64.0f);
  }
  EXPECT_EQ(TextWidthOf("Kelvaroth 42!"), int(expected));
  EXPECT_GT(TextWidthOf("Kelvaroth 42!"), 100);
  FT_Done_Face(face);
  FT_Done_FreeType(library);
  SetTextFont(nullptr);
}

TEST(GraphicsText, SizesBelowOneAndBadFilesGiveNull) {
  testing_support::MediaScope media;
  ScratchDir dir;
  const std::string path = graphics_testing::TestFontPath();
  if (!path.empty()) {
    EXPECT_EQ(LoadFontFile(path, 0, 4), nullptr);
    EXPECT_EQ(LoadFontFile(path, -3, 4), nullptr);
    TImageFont* tiny = LoadFontFile(path, 1, 4);
    EXPECT_NE(tiny, nullptr);
    const std::string bytes = testing_support::ReadFile(path);
    for (size_t cut : {size_t(0), size_t(12), size_t(100), size_t(1000)}) {
      WriteFile(dir / "cut.ttf", bytes.substr(0, cut));
      EXPECT_EQ(LoadFontFile(dir / "cut.ttf", 20, 4), nullptr) << cut;
    }
  }
  EXPECT_EQ(LoadFontFile(dir / "missing.ttf", 20, 4), nullptr);
  WriteFile(dir / "garbage.ttf", std::string(4000, '\x11'));
  EXPECT_EQ(LoadFontFile(dir / "garbage.ttf", 20, 4), nullptr);
  // A null font keeps measuring with the built-in one.
  SetTextFont(nullptr);
  EXPECT_EQ(TextWidthOf("ab"), 24);
}

using GraphicsTextRender = graphics_testing::RealScreen;

TEST_F(GraphicsTextRender, TrueTypeTextLandsWithinItsMeasuredBox) {
  const std::string path = graphics_testing::TestFontPath();
  if (path.empty()) GTEST_SKIP() << "no TrueType font to test with";
  TImageFont* font = LoadFontFile(path, 32, 4);
  ASSERT_NE(font, nullptr);
  SetTextFont(font);
  SetBlendMode(kBlendAlpha);
  SetDrawColour(255, 255, 0);
  DrawTextAt("Hello Kelvaroth", 100, 200);
  DrawTextAt("\xC3\x89\xC5\xBB", 700, 200);  // UTF-8 decoded: two accented capitals
  const int width = TextWidthOf("Hello Kelvaroth"), height = FontLineHeight();
  EXPECT_EQ(TextWidthOf("\xC3\x89\xC5\xBB"), TextWidthOf("\xC3\x89") + TextWidthOf("\xC5\xBB"));
  Show();
  int inside = 0, outside = 0;
  for (int y = 150; y < 300; ++y)
    for (int x = 50; x < 500; ++x) {
      const bool lit = At(x, y).r > 60;
      const bool inBox = x >= 98 && x < 100 + width + 2 && y >= 198 && y < 200 + height + 2;
      (inBox ? inside : outside) += lit;
    }
  EXPECT_GT(inside, 200);
  EXPECT_EQ(outside, 0);
  int accented = 0;
  for (int y = 180; y < 200 + height; ++y)
    for (int x = 700; x < 700 + TextWidthOf("\xC3\x89\xC5\xBB"); ++x) accented += At(x, y).r > 60;
  EXPECT_GT(accented, 100);
  SetTextFont(nullptr);
}

}  // namespace
