// Fonts and laid-out text, checked through the null back end's recorded draws.
#include <gtest/gtest.h>

#include <cmath>

#include "test_support.h"
#include "textdata/font_cache.h"
#include "textdata/formatted_text.h"
#include "textdata/text_layout.h"

namespace {

using testing_support::MediaScope;

class TextdataLayout : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(media_.ok());
    SetTextFont(nullptr);
    SetDrawScale(1, 1);
    SetDrawRotation(0);
    ClearRecordedDraws();
  }
  std::vector<RecordedDraw> TextDraws() {
    std::vector<RecordedDraw> out;
    for (const RecordedDraw& d : RecordedDraws()) {
      if (d.kind == RecordedDraw::Text) out.push_back(d);
    }
    return out;
  }
  // Words of a text whose letters (blanks left out) measure a multiple of 3 pixels, so that a
  // width of exactly 4/3 of it puts them at exactly 75%.
  std::string WordsDivisibleByThree() {
    std::string text = "alpha beta gamma";
    while (TextWidthOf(std::string(text).erase(5, 1).erase(9, 1)) % 3 != 0) text += "a";
    return text;
  }
  MediaScope media_{BackendKind::Null};
};

TEST_F(TextdataLayout, FontCacheIgnoresLetterCaseAndKeysBySize) {
  const int before = FontList.Count();
  TImageFont* a = GetFont("game/gfx/fonts/no-such-font.ttf", 20);
  EXPECT_EQ(FontList.Count(), before + 1);
  EXPECT_EQ(GetFont("GAME/gfx/FONTS/No-Such-Font.TTF", 20), a);
  EXPECT_EQ(FontList.Count(), before + 1);  // a failed load is cached too
  GetFont("game/gfx/fonts/no-such-font.ttf", 21);
  EXPECT_EQ(FontList.Count(), before + 2);
  GetFont("game/gfx/fonts/no-such-font.ttf", 0);
  EXPECT_EQ(FontList.Count(), before + 3);
  EXPECT_EQ(FontList.Last()->font, nullptr);
}

TEST_F(TextdataLayout, WrappingKeepsEveryWordInOrder) {
  struct Case {
    const char* name;
    std::string text;
    int width;
    std::vector<std::string> lines;
  };
  const int ab = TextWidthOf("aa bb");
  const Case cases[] = {
      {"two per line", "aa bb cc dd", ab, {"aa bb", "cc dd"}},
      {"one pixel too narrow", "aa bb cc dd", ab - 1, {"aa", "bb", "cc", "dd"}},
      {"repeated words are all kept", "aa bb aa aa bb", ab, {"aa bb", "aa aa", "bb"}},
      {"a long word overflows alone",
       "aa bbbbbbbbbbbbbbbb cc",
       ab,
       {"aa", "bbbbbbbbbbbbbbbb", "cc"}},
      {"leading blank gives an empty first word", " aa", 1, {"", "aa"}},
      {"only blanks", "   ", 1000, {"  "}},
      {"trailing blank gives no empty word", "aa ", 1000, {"aa"}},
  };
  for (const Case& c : cases) {
    auto block = CreateFormatedText(c.text, nullptr, c.width, 4);
    EXPECT_EQ(block->texts, c.lines) << c.name;
    EXPECT_EQ(block->lines, static_cast<int>(c.lines.size())) << c.name;
    EXPECT_EQ(block->OneHeight, FontLineHeight() + 4) << c.name;
    EXPECT_EQ(block->Height, block->OneHeight * block->lines) << c.name;
  }
}

TEST_F(TextdataLayout, EmptyTextIsOneEmptyLineOfHeightZero) {
  auto block = CreateFormatedText("", nullptr, 200, 5);
  EXPECT_EQ(block->texts, std::vector<std::string>{""});
  EXPECT_EQ(block->lines, 1);
  EXPECT_EQ(block->OneHeight, 0);
  EXPECT_EQ(block->Width, 0);
  EXPECT_EQ(block->CountHeight(), 0);
  block->Draw(10, 20, 1);
  block->Draw(10, 20, -1);
  block->DrawOutLined(10, 20, 1, 2, 3);
  EXPECT_EQ(block->Height, 0);
}

TEST_F(TextdataLayout, LeftAndCentredLinesUseIntegerHalves) {
  auto block = CreateFormatedText("aa bb cc", nullptr, TextWidthOf("aa bb"), 2);
  block->Width = 101;  // odd on purpose: both halves truncate
  SetDrawRotation(30);
  SetDrawScale(2, 2);
  block->Draw(10.5f, 20, 1);
  auto draws = TextDraws();
  ASSERT_EQ(draws.size(), 2u);
  for (size_t i = 0; i < draws.size(); ++i) {
    const int lineWidth = TextWidthOf(block->texts[i]);
    EXPECT_FLOAT_EQ(draws[i].x, 10.5f + static_cast<float>(101 / 2 - lineWidth / 2));
    EXPECT_FLOAT_EQ(draws[i].y, 20.0f + static_cast<float>(i) * block->OneHeight);
    EXPECT_EQ(draws[i].rotation, 0.0f);
    EXPECT_EQ(draws[i].scaleX, 1.0f);
  }
  ClearRecordedDraws();
  block->Draw(3, 4, 0);
  draws = TextDraws();
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[1].x, 3.0f);
  EXPECT_EQ(draws[1].y, 4.0f + block->OneHeight);
  EXPECT_EQ(draws[1].text, "cc");
}

TEST_F(TextdataLayout, CentringTruncatesOddWidths) {
  TFTPTX block(TFTPTX::kCentre, 101, "aa", 0);
  block.CountText();
  ASSERT_EQ(block.texts.size(), 1u);
  EXPECT_EQ(block.texts[0].x,
            static_cast<float>(static_cast<int>(101.0f / 2 - TextWidthOf("aa") / 2)));
}

TEST_F(TextdataLayout, JustifySpreadsFromSeventyFivePercent) {
  const std::string text = WordsDivisibleByThree();
  std::vector<std::string> words = SplitWords(text);
  ASSERT_EQ(words.size(), 3u);
  const int lettersWidth = TextWidthOf(words[0] + words[1] + words[2]);
  ASSERT_EQ(lettersWidth % 3, 0);
  struct Case {
    const char* name;
    float width;
    bool spread;
  };
  const Case cases[] = {
      {"75% exactly is spread", static_cast<float>(lettersWidth / 3 * 4), true},
      {"74% keeps blanks", static_cast<float>(lettersWidth) / 0.74f, false},
      {"a full line is spread", static_cast<float>(TextWidthOf(text)), true},
  };
  ASSERT_GE(lettersWidth, TextWidthOf(text) * 3 / 4);
  for (const Case& c : cases) {
    TFTPTX block(TFTPTX::kJustify, c.width, text, 0);
    block.CountText();
    ASSERT_EQ(block.texts.size(), 3u) << c.name;
    const float gap = c.spread ? (c.width - static_cast<float>(lettersWidth)) / 3.0f
                               : static_cast<float>(TextWidthOf(" "));
    float x = 0;
    for (size_t i = 0; i < 3; ++i) {
      if (i > 0) x = std::trunc(x + static_cast<float>(TextWidthOf(words[i - 1])) + gap);
      EXPECT_EQ(block.texts[i].x, x) << c.name << " word " << i;
      EXPECT_EQ(block.texts[i].y, 0.0f) << c.name;
    }
  }
}

TEST_F(TextdataLayout, JustifiedBlockSpreadsFullLinesOnly) {
  const std::string full = WordsDivisibleByThree();
  const int width = TextWidthOf(full);
  auto block = CreateFormatedText(full + " x", nullptr, width, 0);
  ASSERT_EQ(block->texts.size(), 2u);
  block->Draw(100, 50, -1);
  auto draws = TextDraws();
  ASSERT_EQ(draws.size(), 4u);
  std::vector<std::string> words = SplitWords(full);
  const float gap = (static_cast<float>(width) -
                     static_cast<float>(TextWidthOf(words[0] + words[1] + words[2]))) /
                    3;
  EXPECT_EQ(draws[0].x, 100.0f);
  EXPECT_EQ(draws[1].x, 100.0f + std::trunc(static_cast<float>(TextWidthOf(words[0])) + gap));
  EXPECT_EQ(draws[3].text, "x");
  EXPECT_EQ(draws[3].x, 100.0f);
  EXPECT_EQ(draws[3].y, 50.0f + block->OneHeight);
  // Drawn again (as every frame), the same words land in the same places.
  ClearRecordedDraws();
  block->Draw(100, 50, -1);
  auto again = TextDraws();
  ASSERT_EQ(again.size(), draws.size());
  for (size_t i = 0; i < again.size(); ++i) EXPECT_EQ(again[i].x, draws[i].x);
}

TEST_F(TextdataLayout, OutlineDrawsFourBlackCopiesThenTheColour) {
  auto block = CreateFormatedText("aa bb", nullptr, TextWidthOf("aa"), 1);
  block->DrawOutLined(10, 20, 250, 170, 0);
  auto draws = TextDraws();
  ASSERT_EQ(draws.size(), 10u);
  const float offsets[4][2] = {{-1, -1}, {-1, 1}, {1, -1}, {1, 1}};
  for (int line = 0; line < 2; ++line) {
    for (int k = 0; k < 4; ++k) {
      const RecordedDraw& d = draws[static_cast<size_t>(line * 4 + k)];
      EXPECT_EQ(d.x, 10 + offsets[k][0]);
      EXPECT_EQ(d.y, 20 + line * block->OneHeight + offsets[k][1]);
      EXPECT_EQ(d.r + d.g + d.b, 0);
    }
    const RecordedDraw& top = draws[static_cast<size_t>(8 + line)];
    EXPECT_EQ(top.x, 10.0f);
    EXPECT_EQ(top.y, 20.0f + line * block->OneHeight);
    EXPECT_EQ(top.r, 250);
    EXPECT_EQ(top.g, 170);
  }
}

TEST_F(TextdataLayout, WordLayoutsAndRotatedDrawing) {
  const float lineHeight = static_cast<float>(FontLineHeight());
  TFTPTX left(TFTPTX::kLeft, static_cast<float>(TextWidthOf("aa bb")), "aa bb cc", 2.5f);
  left.CountText();
  ASSERT_EQ(left.texts.size(), 3u);
  EXPECT_EQ(left.texts[1].x, static_cast<float>(TextWidthOf("aa ")));
  EXPECT_EQ(left.texts[2].x, 0.0f);
  EXPECT_EQ(left.texts[2].y, std::trunc(lineHeight + 2.5f));

  TFTPTX right(TFTPTX::kRight, 100.5f, "aa bb", 0);
  right.CountText();
  EXPECT_EQ(right.texts[0].x, std::trunc(100.5f - static_cast<float>(TextWidthOf("aa bb"))));

  TFTPTX noWidth(TFTPTX::kLeft, 0, "aa bb", 0);
  noWidth.CountText();
  EXPECT_EQ(noWidth.texts[1].x, 0.0f);

  TFTPTX empty(TFTPTX::kJustify, 100, "", 0);
  EXPECT_EQ(empty.CountText(), 0);
  EXPECT_TRUE(empty.texts.empty());

  // Rotated 90 degrees and scaled 2: each word turns around the block origin.
  SetDrawRotation(90);
  SetDrawScale(2, 2);
  left.draw(500, 300);
  auto draws = TextDraws();
  ASSERT_EQ(draws.size(), 3u);
  const TTPTXT& second = left.texts[1];
  EXPECT_NEAR(second.odl, second.x, 1e-4);
  EXPECT_NEAR(second.r, 0.0f, 1e-4);
  EXPECT_NEAR(draws[1].x, 500.0f, 1e-3);
  EXPECT_NEAR(draws[1].y, 300.0f + second.odl * 2, 1e-3);
  EXPECT_EQ(draws[1].rotation, 90.0f);
  const TTPTXT& third = left.texts[2];  // straight below the origin: ends up to its left
  EXPECT_NEAR(third.r, 90.0f, 1e-4);
  EXPECT_NEAR(draws[2].x, 500.0f - third.odl * 2, 1e-3);
  EXPECT_NEAR(draws[2].y, 300.0f, 1e-3);
  // Unrotated: plain offsets times the scale.
  ClearRecordedDraws();
  SetDrawRotation(0);
  left.draw(500, 300);
  draws = TextDraws();
  EXPECT_EQ(draws[1].x, 500.0f + second.x * 2);
  EXPECT_EQ(draws[2].y, 300.0f + third.y * 2);
}

}  // namespace
