// Whole-file text reading and writing: byte-order marks, the narrow/wide write rule, round trips,
// missing files and writes that fail half-way.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "media/file_fault_injection.h"
#include "media/files.h"
#include "media/text_encoding.h"
#include "test_support.h"

namespace {

using testing_support::ReadFile;
using testing_support::ScratchDir;
using testing_support::WriteFile;

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

TEST(CoreFiles, ReadDecodesByByteOrderMark) {
  ScratchDir dir;
  const struct {
    const char* name;
    std::string bytes;
    std::string text;
  } cases[] = {
      {"latin1", Bytes({'A', 0xC9, 'V', 'A'}), "A\xC3\x89VA"},
      {"latin1-looks-utf8", Bytes({0xC3, 0xA9}), "\xC3\x83\xC2\xA9"},
      {"utf8", Bytes({0xEF, 0xBB, 0xBF, 0xC5, 0xBB, 'A'}),
       "\xC5\xBB"
       "A"},
      {"utf8-invalid", Bytes({0xEF, 0xBB, 0xBF, 'a', 0xFF, 'b'}),
       "a\xEF\xBF\xBD"
       "b"},
      {"utf8-surrogate", Bytes({0xEF, 0xBB, 0xBF, 0xED, 0xA0, 0xBD}),
       "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"utf16le", Bytes({0xFF, 0xFE, 0x7B, 0x01, 'A', 0}),
       "\xC5\xBB"
       "A"},
      {"utf16be", Bytes({0xFE, 0xFF, 0x01, 0x7B, 0, 'A'}),
       "\xC5\xBB"
       "A"},
      {"utf16le-odd", Bytes({0xFF, 0xFE, 'A', 0, 'B'}), "A"},
      {"utf16le-pair", Bytes({0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE}), "\xF0\x9F\x98\x80"},
      {"utf16le-lone", Bytes({0xFF, 0xFE, 0x3D, 0xD8, 'x', 0}), "\xED\xA0\xBDx"},
      {"bom-only", Bytes({0xFF, 0xFE}), ""},
      {"empty", "", ""},
  };
  for (const auto& c : cases) {
    WriteFile(dir / c.name, c.bytes);
    ReadStatus status = ReadStatus::Error;
    EXPECT_EQ(ReadWholeText(dir / c.name, &status), c.text) << c.name;
    EXPECT_EQ(status, ReadStatus::Ok) << c.name;
  }
  // Without decoding, the mark is just two more characters.
  EXPECT_EQ(ReadBytesAsText(dir / "utf16le"),
            "\xC3\xBF\xC3\xBE{\x01"
            "A" +
                std::string(1, '\0'));
}

TEST(CoreFiles, WriteUsesOneBytePerCharacterUnlessSomethingIsWider) {
  ScratchDir dir;
  const struct {
    std::string text;
    std::string bytes;
  } cases[] = {
      {"plain", "plain"},
      {"\xC3\x89VA \xC3\xBF", Bytes({0xC9, 'V', 'A', ' ', 0xFF})},
      {"\xC5\xBB"
       "A",
       Bytes({0xFF, 0xFE, 0x7B, 0x01, 'A', 0})},
      {"\xF0\x9F\x98\x80", Bytes({0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE})},
      {"", ""},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteWholeText(c.text, dir / "out.txt"));
    EXPECT_EQ(ReadFile(dir / "out.txt"), c.bytes) << c.text;
  }
}

TEST(CoreFiles, TextRoundTripsBeyondLatin1) {
  ScratchDir dir;
  const std::string cases[] = {
      "\xC3\x89VA",  // Latin-1 only
      "\xC5\xBB"
      "ANETA",                         // Polish, id 379-65-78-69-84-65-
      "\xD0\x96\xCE\xA9\xE2\x82\xAC",  // Cyrillic, Greek, euro
      "A\xF0\x9F\x98\x80Z",            // outside the BMP
      "x\xED\xA0\xBDy",                // lone surrogate
      "line1\r\nline2\n\xC5\xBC",
  };
  for (const auto& text : cases) {
    ASSERT_TRUE(WriteWholeText(text, dir / "name.txt"));
    ReadStatus status;
    EXPECT_EQ(ReadWholeText(dir / "name.txt", &status), text);
    EXPECT_EQ(status, ReadStatus::Ok);
    EXPECT_EQ(Utf8ToUtf16(ReadWholeText(dir / "name.txt")), Utf8ToUtf16(text));
  }
}

TEST(CoreFiles, MissingFileIsEmptyAndNotFound) {
  ScratchDir dir;
  ReadStatus status = ReadStatus::Ok;
  EXPECT_EQ(ReadWholeText(dir / "nope.txt", &status), "");
  EXPECT_EQ(status, ReadStatus::NotFound);
  status = ReadStatus::Ok;
  EXPECT_EQ(ReadBytesAsText(dir / "no/such/folder/file.txt", &status), "");
  EXPECT_EQ(status, ReadStatus::NotFound);
  std::string bytes = "stale";
  EXPECT_FALSE(ReadFileBytes(dir / "nope.txt", bytes));
  EXPECT_TRUE(bytes.empty());
  // A folder is not a text file.
  testing::internal::CaptureStdout();
  EXPECT_EQ(ReadWholeText(dir.path(), &status), "");
  const std::string printed = testing::internal::GetCapturedStdout();
  EXPECT_EQ(status, ReadStatus::Error);
  EXPECT_NE(printed.find(dir.path()), std::string::npos);
}

TEST(CoreFiles, InterruptedWriteLeavesOldFileIntact) {
  ScratchDir dir;
  const std::string target = dir / "profile.dat";
  ASSERT_TRUE(WriteWholeText("old contents", target));
  for (long long failAt : {0LL, 5LL, 100LL}) {
    media_internal::FailWritesAfterBytes(failAt);
    testing::internal::CaptureStdout();
    const bool ok = WriteWholeText(std::string(500, 'n'), target);
    const std::string printed = testing::internal::GetCapturedStdout();
    media_internal::FailWritesAfterBytes(-1);
    EXPECT_FALSE(ok);
    EXPECT_EQ(ReadFile(target), "old contents") << "failing after " << failAt << " bytes";
    EXPECT_NE(printed.find(target), std::string::npos) << printed;
    // No temporary file is left behind.
    int entries = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.path())) {
      (void)e;
      ++entries;
    }
    EXPECT_EQ(entries, 1);
  }
  ASSERT_TRUE(WriteWholeText("new contents", target));
  EXPECT_EQ(ReadFile(target), "new contents");
}

TEST(CoreFiles, WriteIntoMissingFolderFailsWithDiagnostic) {
  ScratchDir dir;
  testing::internal::CaptureStdout();
  EXPECT_FALSE(WriteFileBytesAtomic(dir / "absent/settings.txt", "x"));
  const std::string printed = testing::internal::GetCapturedStdout();
  EXPECT_NE(printed.find("absent/settings.txt"), std::string::npos);
  EXPECT_EQ(PathKind(dir / "absent"), 0);
}

TEST(CoreFiles, WriteKeepsExistingPermissions) {
  ScratchDir dir;
  const std::string target = dir / "keep.txt";
  ASSERT_TRUE(WriteFileBytesAtomic(target, "one"));
  ASSERT_EQ(chmod(target.c_str(), 0640), 0);
  ASSERT_TRUE(WriteFileBytesAtomic(target, "two"));
  struct stat st {};
  ASSERT_EQ(stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  std::string bytes;
  ASSERT_TRUE(ReadFileBytes(target, bytes));
  EXPECT_EQ(bytes, "two");
}

}  // namespace
