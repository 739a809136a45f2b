// UTF-8 game strings against the UTF-16 unit rules: conversions, counting, cutting, upper case.
#include <gtest/gtest.h>

#include <string>

#include "media/text_encoding.h"

namespace {

const std::string kLoneHigh = "\xED\xA0\xBD";      // U+D83D on its own, generalised UTF-8
const std::string kGrinning = "\xF0\x9F\x98\x80";  // U+1F600

TEST(CoreTextEncoding, Utf16RoundTripsKeepEveryUnit) {
  const std::u16string cases[] = {
      u"",
      u"ABC",
      u"\u00C9VA",
      u"\u017BANETA",
      u"\u0416\u03A9\u20AC",
      u"x\U0001F600y",                                              // a pair
      std::u16string(1, u'\xD83D'),                                 // lone high surrogate
      std::u16string(u"a") + char16_t(0xDE00) + u"b",               // lone low surrogate
      std::u16string(1, u'\xDE00') + std::u16string(1, u'\xD83D'),  // reversed pair
  };
  for (const auto& units : cases) {
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(units)), units);
  }
  EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), kGrinning);
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD83D')), kLoneHigh);
}

TEST(CoreTextEncoding, InvalidBytesBecomeReplacementCharacters) {
  const struct {
    std::string utf8;
    std::u16string units;
  } cases[] = {
      {"a\xFF"
       "b",
       u"a\uFFFDb"},
      {"\xC0\xAF", u"\uFFFD\uFFFD"},                      // overlong "/"
      {"\xE2\x82", u"\uFFFD\uFFFD"},                      // truncated euro sign
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
      {"\x80z", u"\uFFFDz"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToUtf16(c.utf8), c.units) << c.utf8;
}

TEST(CoreTextEncoding, CountsAndCutsByUtf16Units) {
  EXPECT_EQ(Utf16Length(""), 0);
  EXPECT_EQ(Utf16Length("ABC"), 3);
  EXPECT_EQ(Utf16Length("\xC5\xBB"
                        "ANETA"),
            6);  // ŻANETA
  EXPECT_EQ(Utf16Length("a" + kGrinning), 3);
  EXPECT_EQ(Utf16Length(kLoneHigh), 1);
  EXPECT_EQ(Utf16Left("\xC5\xBB"
                      "ANETA",
                      3),
            "\xC5\xBB"
            "AN");
  EXPECT_EQ(Utf16Left("abc", 10), "abc");
  EXPECT_EQ(Utf16Left("abc", 0), "");
  EXPECT_EQ(Utf16Left("a" + kGrinning + "b", 3), "a" + kGrinning);
  // Cutting inside a pair keeps the high half, as a 16-bit string would.
  EXPECT_EQ(Utf16Left("a" + kGrinning, 2), "a" + kLoneHigh);
}

TEST(CoreTextEncoding, UpperCaseUsesSimpleUnicodeMapping) {
  const struct {
    char16_t lower, upper;
  } cases[] = {
      {u'a', u'A'},           {u'z', u'Z'},           {u'\u00E9', u'\u00C9'},  // é
      {u'\u00FF', u'\u0178'}, {u'\u00B5', u'\u039C'}, {u'\u017C', u'\u017B'},  // ż -> Ż (379)
      {u'\u0105', u'\u0104'}, {u'\u0142', u'\u0141'}, {u'\u015B', u'\u015A'},  // ą ł ś
      {u'\u01C6', u'\u01C4'}, {u'\u03B1', u'\u0391'}, {u'\u03C2', u'\u03A3'},  // ǆ α ς
      {u'\u0436', u'\u0416'}, {u'\u0451', u'\u0401'}, {u'\u1F80', u'\u1F88'},  // ж ё ᾀ
      {u'A', u'A'},           {u'1', u'1'},           {u'\u00DF', u'\u00DF'},  // ß stays
      {u'\u00F7', u'\u00F7'}, {u'\xD83D', u'\xD83D'},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(static_cast<int>(UpperUnit(c.lower)), static_cast<int>(c.upper))
        << "U+" << std::hex << static_cast<int>(c.lower);
  }
  EXPECT_EQ(static_cast<int>(UpperUnit(u'\u017C')), 379);
  EXPECT_EQ(ToUpperCase("\xC5\xBC"
                        "aneta \xC3\xA9va"),
            "\xC5\xBB"
            "ANETA \xC3\x89VA");
  EXPECT_EQ(ToUpperCase("x" + kGrinning + kLoneHigh), "X" + kGrinning + kLoneHigh);
}

TEST(CoreTextEncoding, Latin1AndCodePointWalk) {
  EXPECT_EQ(Latin1ToUtf8(std::string("A\xE9\xFF\x00", 4)), std::string("A\xC3\xA9\xC3\xBF\x00", 6));
  const std::string text = "A\xC3\xA9" + kGrinning + kLoneHigh + "\xFF";
  size_t i = 0;
  std::u32string points;
  while (i < text.size()) points += static_cast<char32_t>(NextCodePoint(text, i));
  EXPECT_EQ(points, (std::u32string{U'A', U'\u00E9', U'\U0001F600', 0xD83D, 0xFFFD}));
  EXPECT_EQ(i, text.size());
  EXPECT_EQ(NextCodePoint(text, i), 0u);  // past the end
}

}  // namespace
