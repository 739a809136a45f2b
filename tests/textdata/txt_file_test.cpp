// Language text files: splitting into lines, line numbers, "#LANG#" and text references.
#include <gtest/gtest.h>

#include "media/media.h"
#include "test_support.h"
#include "textdata/txt_file.h"

namespace {

using testing_support::ScratchDir;
using testing_support::WriteFile;

TEST(TextdataTxtFile, SplittingTable) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"two words, two line breaks", "one\n\ntwo", {"one", "", "two"}},
      {"final line break adds no line", "one\ntwo\n", {"one", "two"}},
      {"CRLF keeps the CR", "one\r\ntwo\r\n", {"one\r", "two\r"}},
      {"lone CR does not end a line", "one\rtwo", {"one\rtwo"}},
      {"blanks are kept", "  a  \n", {"  a  "}},
      {"empty file", "", {}},
      {"only a line break", "\n", {""}},
      {"UTF-8 mark", "\xEF\xBB\xBFz\xC3\xA9\n", {"z\xC3\xA9"}},
      {"Latin-1 without a mark", "caf\xE9", {"caf\xC3\xA9"}},
      {"UTF-16 LE mark",
       std::string("\xFF\xFE"
                   "a\0\n\0b\0",
                   8),
       {"a", "b"}},
  };
  ScratchDir dir;
  for (const Case& c : cases) {
    WriteFile(dir / "t.txt", c.bytes);
    auto file = LoadTxtFile(dir / "t.txt");
    EXPECT_EQ(file->txt, c.lines) << c.name;
    EXPECT_EQ(file->lines(), static_cast<int>(c.lines.size())) << c.name;
  }
}

TEST(TextdataTxtFile, TxtLineAtTheEdges) {
  ScratchDir dir;
  WriteFile(dir / "t.txt", "first\nmiddle\nlast\n");
  auto file = LoadTxtFile(dir / "t.txt");
  EXPECT_EQ(TxtLine(file, 0), "(BEYOND TEXT ARRAY LENGTH!)");
  EXPECT_EQ(TxtLine(file, 1), "first");
  EXPECT_EQ(TxtLine(file, 3), "last");
  EXPECT_EQ(TxtLine(file, 4), "(BEYOND TEXT ARRAY LENGTH!)");
  EXPECT_EQ(TxtLine(file, -3), "(BEYOND TEXT ARRAY LENGTH!)");
  EXPECT_EQ(TxtLine(nullptr, 1), "(BEYOND TEXT ARRAY LENGTH!)");
}

TEST(TextdataTxtFile, MissingFileIsEmptyWithOneDiagnostic) {
  ScratchDir dir;
  testing::internal::CaptureStdout();
  auto file = LoadTxtFile(dir / "#LANG#/missing.txt");
  std::string printed = testing::internal::GetCapturedStdout();
  EXPECT_EQ(printed, "Napotkano problem : Nie znaleziono pliku tekstowego : " +
                         (dir / "en/missing.txt") + "\n");
  EXPECT_EQ(file->lines(), 0);
  EXPECT_EQ(TxtLine(file, 1), "(BEYOND TEXT ARRAY LENGTH!)");
}

TEST(TextdataTxtFile, ResolveTextRefRelativeToTheCurrentFolder) {
  ScratchDir dir;
  WriteFile(dir / "txt/en/menu.txt", "Play\nOptions\n");
  const std::string before = CurrentFolder();
  ASSERT_TRUE(ChangeFolder(dir.path()));
  EXPECT_EQ(ResolveTextRef("[txt/#LANG#/menu.txt|1]"), "Play");
  EXPECT_EQ(ResolveTextRef("[txt/#LANG#/menu.txt|2]"), "Options");
  EXPECT_EQ(ResolveTextRef("[txt/#LANG#/menu.txt| 2]"), "Options");
  EXPECT_EQ(ResolveTextRef("[txt/#LANG#/menu.txt|-1]"), "(BEYOND TEXT ARRAY LENGTH!)");
  EXPECT_EQ(ResolveTextRef("[txt/#LANG#/menu.txt|x]"), "(BEYOND TEXT ARRAY LENGTH!)");
  EXPECT_EQ(ResolveTextRef("[txt/#LANG#/menu.txt|]"), "(BEYOND TEXT ARRAY LENGTH!)");
  // Not references: shown as they stand.
  EXPECT_EQ(ResolveTextRef("[no bar here]"), "[no bar here]");
  EXPECT_EQ(ResolveTextRef("PLAY"), "PLAY");
  EXPECT_EQ(ResolveTextRef("[a|1"), "[a|1");
  EXPECT_EQ(ResolveTextRef(""), "");
  ASSERT_TRUE(ChangeFolder(before));
}

TEST(TextdataTxtFile, LanguageMarkerReplacedEverywhere) {
  EXPECT_EQ(WithLanguage("game/txt/#LANG#/a.txt"), "game/txt/en/a.txt");
  EXPECT_EQ(WithLanguage("#LANG#/#LANG#"), "en/en");
  EXPECT_EQ(WithLanguage("plain"), "plain");
}

}  // namespace
