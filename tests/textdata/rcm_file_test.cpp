// The RCM data file: reading rules, paths, setting values, the writer and damaged input.
#include <gtest/gtest.h>

#include <string>

#include "test_support.h"
#include "textdata/rcm_file.h"

namespace {

using testing_support::ReadFile;
using testing_support::ScratchDir;
using testing_support::WriteFile;

// Loads text from a scratch file; the diagnostics printed while loading go to *printed.
std::shared_ptr<TRCMFile> LoadText(const ScratchDir& dir, const std::string& bytes,
                                   std::string* printed = nullptr) {
  const std::string path = dir / "data.txt";
  WriteFile(path, bytes);
  testing::internal::CaptureStdout();
  auto file = LoadRCM(path);
  std::string out = testing::internal::GetCapturedStdout();
  if (printed) *printed = out;
  return file;
}

std::string SavedText(TRCMFile& file, const ScratchDir& dir) {
  const std::string path = dir / "saved.txt";
  EXPECT_EQ(file.save(path), 1);
  return ReadFile(path);
}

TEST(TextdataRcm, ReadingRulesTable) {
  struct Case {
    const char* name;
    const char* text;
    const char* path;
    int index;
    const char* expected;  // getString
  };
  const Case cases[] = {
      {"plain string", "g {\n\ts = \"hello\"\n}\n", "g::s", 0, "hello"},
      {"path letter case", "settings {\n\tfullscreen = 1\n}\n", "SETTINGS::FullScreen", 0, " 1"},
      {"group given twice: first wins", "g {\n\ta = 1\n}\ng {\n\ta = 2\n}\n", "g::a", 0, " 1"},
      {"entry given twice: first wins", "g {\n\ta = 1\n\tA = 2\n}\n", "g::a", 0, " 1"},
      {"number keeps its leading blank", "g {\n\tn = 5, -3\n}\n", "g::n", 1, " -3"},
      {"string without the blank after =", "g {\n\ts =\"hello\"\n}\n", "g::s", 0, "ello"},
      {"several strings", "g {\n\ts = \"a\", \"b c\", \"d,e\"\n}\n", "g::s", 2, "d,e"},
      {"name on the line above the brace", "g\n{\n\ta = \"x\"\n}\n", "g::a", 0, "x"},
      {"group name across lines", "gr\noup {\n\ta = \"x\"\n}\n", "group::a", 0, "x"},
      {"entry before } on its line is lost", "g {\n\ta = \"x\"}\n", "g::a", 0, ""},
      {"last line without a line break is lost", "a = \"x\"", "a", 0, ""},
      {"root entry with a line break", "a = \"x\"\n", "a", 0, "x"},
      {"nested groups", "a {\n\tb {\n\t\tc = 7\n\t}\n}\n", "a::b::c", 0, " 7"},
      {"missing group", "a {\n\tc = 7\n}\n", "b::c", 0, ""},
      {"index beyond the values", "g {\n\tn = 5\n}\n", "g::n", 1, ""},
      {"negative index", "g {\n\tn = 5\n}\n", "g::n", -1, ""},
      {"line ending right after =", "g {\n\tn =\n\tm = 2\n}\n", "g::n", 0, ""},
      {"line ending right after = keeps the next", "g {\n\tn =\n\tm = 2\n}\n", "g::m", 0, " 2"},
      {"anything after a second = ignored", "g {\n\tn = 1 = 2\n}\n", "g::n", 0, " 1 "},
      {"string piece too short", "g {\n\ts = x\n}\n", "g::s", 0, ""},
      {"CRLF line ends", "g {\r\n\ts = \"x\"\r\n\tn = 4\r\n}\r\n", "g::s", 0, "x"},
      {"lone CR is part of the line", "g {\r\ts = \"x\"\r}\r", "g::s", 0, ""},
      {"brace inside quotes opens a group when reading", "g {\n\ta = \"}\"\n\tb = 2\n}\n", "b", 0,
       " 2"},
      {"plus sign makes a string entry", "g {\n\tn = +5\n}\n", "g::n", 0, ""},
      {"empty middle value", "g {\n\tn = 1,,3\n}\n", "g::n", 1, ""},
  };
  ScratchDir dir;
  for (const Case& c : cases) {
    auto file = LoadText(dir, c.text);
    EXPECT_EQ(file->getString(c.path, c.index), c.expected) << c.name;
  }
}

TEST(TextdataRcm, BracesAreCountedOutsideQuotes) {
  ScratchDir dir;
  std::string printed;
  // A quoted brace does not count: this file balances and loads.
  auto ok = LoadText(dir, "g {\n\ta = \"x{\"\n\tb = 3\n}\n", &printed);
  EXPECT_EQ(printed, "");
  EXPECT_EQ(ok->_grupa->_listaGrup.Count(), 1);
  // Its only "}" is quoted: rejected, and every query answers its default.
  auto bad = LoadText(dir, "g {\n\ta = \"}\"\n\tb = 3\n", &printed);
  EXPECT_EQ(printed, "Napotkano problem : Blad nawiasow klamrowych! \"{\" - 1 \"}\" - 0\n");
  EXPECT_EQ(bad->getFloat("g::b", 0), 0.0f);
  EXPECT_EQ(bad->_grupa->_listaGrup.Count(), 0);
  EXPECT_EQ(bad->problems().size(), 1u);
}

TEST(TextdataRcm, BraceInsideQuotesIsReadAsAGroup) {
  ScratchDir dir;
  // The counts balance, but reading is not quote-aware: the quoted "{" starts a group.
  auto file = LoadText(dir, "g {\n\ta = \"x{y\"\n}\n");
  TRCMGroup* g = file->_grupa->getGroup("g");
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->getEntry("a"), nullptr);
  ASSERT_EQ(g->_listaGrup.Count(), 1);
  EXPECT_EQ(g->_listaGrup.First()->_id, "a = \"x");
}

TEST(TextdataRcm, MissingFileAnswersDefaults) {
  ScratchDir dir;
  testing::internal::CaptureStdout();
  auto file = LoadRCM(dir / "nothing.txt");
  std::string printed = testing::internal::GetCapturedStdout();
  EXPECT_EQ(printed, "Napotkano problem : Nie znaleziono pliku : " + (dir / "nothing.txt") + "\n");
  EXPECT_EQ(file->getString("a::b", 0), "");
  EXPECT_EQ(file->getFloat("a::b", 0), 0.0f);
  // Setting and saving work on it as on a new file.
  file->setFloat("a::b", 2, 0);
  EXPECT_EQ(SavedText(*file, dir), "a {\n\tb = 2\n}\n\n");
}

TEST(TextdataRcm, SettingsFileOfDefaultsByteForByte) {
  ScratchDir dir;
  auto file = CreateRCM();
  file->setFloat("settings::fullscreen", 1, 0);
  file->setFloat("settings::soundVolume", 5, 0);
  file->setFloat("settings::musicVolume", 5, 0);
  file->setFloat("settings::customCursor", 1, 0);
  EXPECT_EQ(SavedText(*file, dir),
            "settings {\n\tfullscreen = 1\n\tsoundVolume = 5\n\tmusicVolume = 5\n"
            "\tcustomCursor = 1\n}\n\n");
  EXPECT_EQ(file->getString("settings::soundVolume", 0), "5.00000000");
}

TEST(TextdataRcm, SetFloatAtIndexThreeUnderTwoNewGroups) {
  ScratchDir dir;
  auto file = CreateRCM();
  file->setFloat("a::b::c", 2.5f, 3);
  TRCMEntry* entry = file->findEntry("a::b::c");
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->_type, 1);
  EXPECT_EQ(entry->_value, (std::vector<std::string>{"", "", "", "2.50000000"}));
  EXPECT_EQ(SavedText(*file, dir), "a {\n\n\tb {\n\t\tc = 0, 0, 0, 2.50000000\n\t}\n\n}\n\n");
}

TEST(TextdataRcm, SetStringOnANumberEntryKeepsTheNumberType) {
  ScratchDir dir;
  auto file = LoadText(dir, "g {\n\tn = 5\n\ts = \"x\"\n}\n");
  file->setString("g::n", "7.5", 0);
  file->setFloat("g::s", 3, 1);  // and a number into a string entry is quoted
  file->setString("g::new", "w", 0);
  EXPECT_EQ(file->getString("g::n", 0), "7.5");
  EXPECT_EQ(SavedText(*file, dir),
            "g {\n\tn = 7.5\n\ts = \"x\", \"3.00000000\"\n\tnew = \"w\"\n}\n\n");
}

TEST(TextdataRcm, WriterRules) {
  ScratchDir dir;
  auto file = CreateRCM();
  file->setFloat("g::whole", -3, 0);
  file->setFloat("g::frac", 0.05f, 0);
  file->setFloat("g::big", 3e9f, 0);
  file->setString("g::text", "a=b{c}\"d\"", 0);
  file->setString("rootEntry", "never written", 0);
  file->setFloat("g::sub::x", 1, 0);
  testing::internal::CaptureStdout();
  std::string saved = SavedText(*file, dir);
  std::string printed = testing::internal::GetCapturedStdout();
  EXPECT_EQ(saved,
            "g {\n\twhole = -3\n\tfrac = 0.0500000007\n\tbig = 3.00000000e+09\n\ttext = \"abcd\"\n"
            "\tsub {\n\t\tx = 1\n\t}\n\n}\n\n");
  EXPECT_NE(printed.find("Napotkano problem : "), std::string::npos);
}

TEST(TextdataRcm, SaveAndReloadRoundTrip) {
  ScratchDir dir;
  auto file = CreateRCM();
  file->setString("profile::name", "Ada Lovelace", 0);
  file->setFloat("profile::cash", 12345, 0);
  file->setFloat("profile::ratio", 0.25f, 0);
  file->setFloat("profile::rows", 1, 0);
  file->setFloat("profile::rows", 2, 1);
  file->setString("profile::level::bg", "gfx/backgrounds/background-3.jpg", 0);
  file->setFloat("other::x", -7, 0);
  const std::string first = SavedText(*file, dir);

  auto again = LoadRCM(dir / "saved.txt");
  EXPECT_EQ(again->getString("profile::name", 0), "Ada Lovelace");
  EXPECT_EQ(again->getString("profile::cash", 0), " 12345");
  EXPECT_EQ(again->getFloat("profile::cash", 0), 12345.0f);
  EXPECT_EQ(again->getFloat("profile::ratio", 0), 0.25f);
  EXPECT_EQ(again->getString("profile::rows", 1), " 2");
  EXPECT_EQ(again->getString("profile::level::bg", 0), "gfx/backgrounds/background-3.jpg");
  EXPECT_EQ(again->getFloat("other::x", 0), -7.0f);
  // Whole numbers lose their blank again when written; other numbers keep it as stored.
  std::string second = SavedText(*again, dir);
  EXPECT_EQ(second.find("cash = 12345\n"), first.find("cash = 12345\n"));
  EXPECT_NE(second.find("ratio =  0.250000000\n"), std::string::npos);
}

TEST(TextdataRcm, HostileInput) {
  ScratchDir dir;
  std::string printed;
  // Byte-order marks: UTF-8 and UTF-16 files read like plain ones.
  auto utf8 = LoadText(dir, "\xEF\xBB\xBFg {\n\ta = \"\xC3\xA9t\xC3\xA9\"\n}\n", &printed);
  EXPECT_EQ(utf8->getString("g::a", 0), "\xC3\xA9t\xC3\xA9");
  std::string utf16("\xFF\xFE", 2);
  for (char c : std::string("g {\n\ta = 9\n}\n")) {
    utf16 += c;
    utf16 += '\0';
  }
  EXPECT_EQ(LoadText(dir, utf16)->getFloat("g::a", 0), 9.0f);
  // A file ending with "}" and no line break still reads.
  EXPECT_EQ(LoadText(dir, "g {\n\ta = 1\n}")->getFloat("g::a", 0), 1.0f);
  // Huge numbers and nan.
  auto numbers = LoadText(dir, "g {\n\th = 1e400\n\tn = nan\n\tm = -99999999999\n}\n");
  EXPECT_EQ(numbers->getFloat("g::h", 0), 3.40282347e38f);
  EXPECT_EQ(numbers->getString("g::n", 0), "a");  // a string entry: " nan" loses 2 + 1
  EXPECT_EQ(numbers->getFloat("g::n", 0), 0.0f);
  EXPECT_EQ(numbers->getFloat("g::m", 0), -99999999999.0f);
  // An empty file, a file of NULs and binary junk.
  EXPECT_EQ(LoadText(dir, "")->_grupa->_listaGrup.Count(), 0);
  EXPECT_EQ(LoadText(dir, std::string(100, '\0'))->_grupa->_listaGrup.Count(), 0);
  EXPECT_EQ(LoadText(dir, "}}}{{{=\n=\n,,,\"\"\"")->getString("x", 0), "");
}

TEST(TextdataRcm, DeepNestingIsRefused) {
  ScratchDir dir;
  std::string ok, okText;
  for (int i = 0; i < TRCMFile::kMaxDepth; ++i) ok += "g" + std::to_string(i) + " {\n";
  okText = ok + "\tv = 1\n" + std::string(TRCMFile::kMaxDepth, '}') + "\n";
  std::string printed;
  auto file = LoadText(dir, okText, &printed);
  EXPECT_EQ(printed, "");
  std::string path;
  for (int i = 0; i < TRCMFile::kMaxDepth; ++i) path += "g" + std::to_string(i) + "::";
  EXPECT_EQ(file->getFloat(path + "v", 0), 1.0f);

  const int deep = 200000;
  std::string hostile;
  for (int i = 0; i < deep; ++i) hostile += "{";
  hostile += "a = 1\n";
  hostile += std::string(deep, '}');
  auto refused = LoadText(dir, hostile, &printed);
  EXPECT_EQ(printed.rfind("Napotkano problem : Zbyt gleboko zagniezdzone grupy", 0), 0u) << printed;
  EXPECT_EQ(refused->_grupa->_listaGrup.Count(), 0);
}

}  // namespace
