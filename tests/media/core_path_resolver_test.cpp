// Letter-case-blind file names on a case-sensitive file system, and the path helpers.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "media/files.h"
#include "test_support.h"

namespace {

using testing_support::ReadFile;
using testing_support::ScratchDir;
using testing_support::WriteFile;

// Runs a test body with the working folder set to the scratch folder, as the game runs in its own.
class InFolder {
 public:
  explicit InFolder(const std::string& folder) : old_(CurrentFolder()) {
    EXPECT_TRUE(ChangeFolder(folder));
  }
  ~InFolder() { ChangeFolder(old_); }

 private:
  std::string old_;
};

TEST(CorePathResolver, FindsEntriesWhateverTheirCase) {
  ScratchDir dir;
  WriteFile(dir / "Data/settings.txt", "fullscreen=1");
  WriteFile(dir / "game/gfx/gui/mapScreen/overPanel.png", "png");
  const struct {
    std::string asked;
    std::string found;
  } cases[] = {
      {"/data/settings.txt", "/Data/settings.txt"},
      {"/DATA/SETTINGS.TXT", "/Data/settings.txt"},
      {"/Data/settings.txt", "/Data/settings.txt"},
      {"/game/gfx/gui/mapSCreen/overPanel.png", "/game/gfx/gui/mapScreen/overPanel.png"},
      {"/data/", "/Data/"},
      // Missing components keep the spelling given, below them too.
      {"/data/missing/Deeper.txt", "/Data/missing/Deeper.txt"},
      {"/nothing/data", "/nothing/data"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ResolvePath(dir.path() + c.asked), dir.path() + c.found) << c.asked;
  }
  EXPECT_EQ(ReadWholeText(dir / "DATA/Settings.TXT"), "fullscreen=1");
  EXPECT_EQ(PathKind(dir / "data/"), 2);
  EXPECT_EQ(PathKind(dir / "data/SETTINGS.txt"), 1);
  EXPECT_EQ(PathKind(dir / "data/none.txt"), 0);

  // Relative paths resolve against the working folder and stay relative.
  InFolder here(dir.path());
  EXPECT_EQ(ResolvePath("data/settings.txt"), "Data/settings.txt");
  EXPECT_EQ(ResolvePath("./GAME/gfx"), "./game/gfx");
  EXPECT_EQ(ReadWholeText("data/SETTINGS.txt"), "fullscreen=1");
}

TEST(CorePathResolver, ExactSpellingWinsThenFirstInSortedOrder) {
  ScratchDir dir;
  WriteFile(dir / "b/x", "lower");
  WriteFile(dir / "B/x", "upper");
  WriteFile(dir / "Readme", "R");
  WriteFile(dir / "README", "RR");
  EXPECT_EQ(ReadWholeText(dir / "b/x"), "lower");
  EXPECT_EQ(ReadWholeText(dir / "B/x"), "upper");
  EXPECT_EQ(ResolvePath(dir / "readme"), dir / "README");  // "README" sorts before "Readme"
  EXPECT_EQ(ResolvePath(dir / "Readme"), dir / "Readme");
}

TEST(CorePathResolver, CreationKeepsTheGivenSpellingAndLaterLookupsFindIt) {
  ScratchDir dir;
  ASSERT_TRUE(MakeFolder(dir / "Data"));
  ASSERT_TRUE(MakeFolder(dir / "Profiles"));
  // Lower-case references now land in the folders created at start-up.
  EXPECT_TRUE(MakeFolder(dir / "profiles"));
  ASSERT_TRUE(WriteWholeText("x=1", dir / "data/settings.txt"));
  EXPECT_EQ(ReadFile(dir / "Data/settings.txt"), "x=1");
  EXPECT_EQ(PathKind(dir / "data"), 2);
  EXPECT_EQ(PathKind(dir / "profiles/Anna"), 0);
  ASSERT_TRUE(MakeFolder(dir / "profiles/Anna"));
  EXPECT_EQ(PathKind(dir / "Profiles/Anna"), 2);
  ASSERT_TRUE(WriteWholeText("p", dir / "PROFILES/anna/Profile.dat"));
  EXPECT_EQ(ReadFile(dir / "Profiles/Anna/Profile.dat"), "p");
  // A new file under a new name keeps exactly that name; an existing one is replaced in place.
  ASSERT_TRUE(WriteWholeText("q", dir / "profiles/anna/profile.DAT"));
  EXPECT_EQ(ReadFile(dir / "Profiles/Anna/Profile.dat"), "q");
  EXPECT_TRUE(DeleteFile(dir / "profiles/ANNA/profile.dat"));
  EXPECT_EQ(PathKind(dir / "Profiles/Anna/Profile.dat"), 0);
  EXPECT_FALSE(DeleteFile(dir / "profiles/anna/profile.dat"));
  // One level only; the tree helper makes the parents.
  EXPECT_FALSE(MakeFolder(dir / "a/b"));
  EXPECT_TRUE(MakeFolderTree(dir / "a/b/c"));
  EXPECT_TRUE(MakeFolderTree(dir / "A/B/C/d"));
  EXPECT_EQ(PathKind(dir / "a/b/c/d"), 2);
  EXPECT_FALSE(std::filesystem::exists(dir / "A")) << "no second folder under another case";
}

TEST(CorePathResolver, SeesFilesCreatedOutsideTheMediaLayer) {
  ScratchDir dir;
  EXPECT_EQ(PathKind(dir / "late.txt"), 0);
  EXPECT_EQ(ResolvePath(dir / "LATE.TXT"), dir / "LATE.TXT");
  WriteFile(dir / "late.txt", "here");
  InvalidatePathCache();
  EXPECT_EQ(ReadWholeText(dir / "LATE.TXT"), "here");
}

TEST(CorePathResolver, PathHelpers) {
  EXPECT_EQ(FolderOfPath("game/gfx/menu.png"), "game/gfx");
  EXPECT_EQ(FolderOfPath("menu.png"), "");
  EXPECT_EQ(FolderOfPath("/menu.png"), "/");
  EXPECT_EQ(FolderOfPath("game/gfx/"), "game");
  EXPECT_EQ(PathWithoutExtension("game/gfx/menu.png"), "game/gfx/menu");
  EXPECT_EQ(PathWithoutExtension("game/gfx.v2/menu"), "game/gfx.v2/menu");
  EXPECT_EQ(PathWithoutExtension("a.tar.gz"), "a.tar");
  EXPECT_EQ(AbsolutePath("/a/./b//c/../d"), "/a/b/d");
  EXPECT_EQ(AbsolutePath("/.."), "/");
  ScratchDir dir;
  InFolder here(dir.path());
  EXPECT_EQ(AbsolutePath("x/../y.txt"), dir / "y.txt");
  EXPECT_EQ(CurrentFolder(), dir.path());
  EXPECT_FALSE(ChangeFolder(dir / "missing"));
  EXPECT_EQ(CurrentFolder(), dir.path());
  const std::string program = ProgramFolder();
  ASSERT_FALSE(program.empty());
  EXPECT_EQ(program[0], '/');
  EXPECT_EQ(PathKind(program), 2);
}

}  // namespace
