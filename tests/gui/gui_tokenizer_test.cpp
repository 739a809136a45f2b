// The .gui tokenizer: separators, quotes, tabs, line numbers and the lost tail of a file.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "gui/gui.h"

namespace {

struct TokenCase {
  const char* what;
  std::string text;
  std::vector<std::string> tokens;
  std::vector<int> lines;  // empty: not checked
};

TEST(GuiTokenizer, TableOfInputs) {
  const std::vector<TokenCase> cases = {
      {"plain words and lines", "a b\nc = d\n", {"a", "b", "c", "=", "d"}, {1, 1, 2, 2, 2}},
      {"text after the last separator is lost", "a b\nc", {"a", "b"}, {}},
      {"a final brace without newline is lost", "OBJECT A {\n}", {"OBJECT", "A", "{"}, {}},
      {"semicolons separate", "a;b;;c\n", {"a", "b", "c"}, {}},
      {"quoted semicolon and line break are dropped, spaces kept",
       "x = \"one ; two\nthree\" y\n",
       {"x", "=", "one  twothree", "y"},
       {1, 1, 2, 2}},
      {"quoted value loses its outer spaces", "\"  padded  \" z\n", {"padded", "z"}, {}},
      {"an empty quoted value yields no token", "name = \"\" next\n", {"name", "=", "next"}, {}},
      {"tabs do not separate", "name\t=\tvalue\n", {"name\t=\tvalue"}, {}},
      {"a quoted brace is still a brace", "\"{\" \"}\"\n", {"{", "}"}, {}},
      {"carriage returns are trimmed", "a\r\nb\r\n", {"a", "b"}, {1, 2}},
      {"no tokens at all", "  \n \n;;", {}, {}},
      {"name=value is one token", "TXT=hello\n", {"TXT=hello"}, {}},
  };
  for (const TokenCase& c : cases) {
    TGui gui;
    gui.parseTokens(c.text);
    std::vector<std::string> got;
    std::vector<int> lines;
    for (const TGuiTOken& t : gui.tokens) {
      got.push_back(t.txt);
      lines.push_back(t.line);
    }
    EXPECT_EQ(got, c.tokens) << c.what;
    if (!c.lines.empty()) {
      EXPECT_EQ(lines, c.lines) << c.what;
    }
  }
}

TEST(GuiTokenizer, UnclosedQuoteSwallowsTheRest) {
  TGui gui;
  gui.parseTokens("a \"b c\nd e\n");
  ASSERT_EQ(gui.tokens.size(), 1u);
  EXPECT_EQ(gui.tokens.front().txt, "a");
}

}  // namespace
