// SplitString: separators, quotes and the rules for empty pieces.
#include <gtest/gtest.h>

#include "textdata/split_string.h"

namespace {

using Pieces = std::vector<std::string>;

TEST(TextdataSplitString, Cases) {
  struct Case {
    const char* text;
    const char* sep;
    const char* open;
    const char* close;
    Pieces expected;
  };
  const Case cases[] = {
      {"a,b,c", ",", "", "", {"a", "b", "c"}},
      {"a,,b", ",", "", "", {"a", "", "b"}},
      {",a", ",", "", "", {"", "a"}},
      {"a,", ",", "", "", {"a"}},
      {"a,,", ",", "", "", {"a", ""}},
      {"", ",", "", "", {}},
      {",", ",", "", "", {""}},
      {"level::data::size", "::", "", "", {"level", "data", "size"}},
      {"a:::b", "::", "", "", {"a", ":b"}},
      {"\"x,y\",z", ",", "\"", "\"", {"x,y", "z"}},
      {"(a,b),c", ",", "(", ")", {"a,b", "c"}},
      {"a)b,c", ",", "(", ")", {"a)b", "c"}},
      {"abc", "", "", "", {"abc"}},
      {"\"unclosed,still", ",", "\"", "\"", {"unclosed,still"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitString(c.text, c.sep, c.open, c.close), c.expected)
        << "text: " << c.text << " sep: " << c.sep;
  }
}

}  // namespace
