// The data check of the screens' .gui files: parse problems, missing pictures, scripts and fonts,
// and object names a screen asks for that its file lacks.
#include <string>
#include <vector>

#include "game/screen_list.h"
#include "gui/gui_check.h"
#include "gui/gui_test_support.h"

namespace gui_testing {
namespace {

class GuiCheck : public GuiTest {
 protected:
  GuiCheck() { collect_.reset(); }  // the check collects on its own
  static bool Mentions(const std::vector<std::string>& problems, const std::string& what) {
    for (const auto& p : problems)
      if (p.find(what) != std::string::npos) return true;
    return false;
  }
};

TEST_F(GuiCheck, ReportsProblemsOfExistingFilesOnly) {
  // The main menu lacks "EXIT" and has a broken object, a missing picture and a bad script.
  Write("gfx/gui/mainMenu/en/mainMenu.gui",
        "LUASCRIPT menu.lua\n"
        "OBJECT START {\nGFX = start.png\n}\nOBJECT SETTINGS {\n}\nOBJECT PLAYER {\n}\n"
        "OBJECT CREDITS {\nFONT = font.ttf|0\n}\nOBJECT BROKEN {\nTXT hello\n}\n");
  Write("gfx/gui/mainMenu/en/menu.lua", "function start( = \n");
  // The pop-up is complete.
  Write("gfx/gui/popUp/en/popUp.gui", "OBJECT ok {\n}\nOBJECT Cancel {\n}\n");
  std::vector<std::string> problems;
  std::string before = CurrentFolder();
  testing::internal::CaptureStdout();
  int checked = CheckGuiFiles(AllScreenDescriptors(), dir_.path(), problems);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(checked, 2);
  EXPECT_EQ(CurrentFolder(), before);
  EXPECT_TRUE(Mentions(problems, "no object 'EXIT'")) << testing::PrintToString(problems);
  EXPECT_TRUE(Mentions(problems, "NO SUCH FILE: start.png"));
  EXPECT_TRUE(Mentions(problems, "script does not compile"));
  EXPECT_TRUE(Mentions(problems, "font size"));
  EXPECT_TRUE(Mentions(problems, "No data for object 'BROKEN'!"));
  EXPECT_FALSE(Mentions(problems, "popUp.gui"));
  for (const auto& p : problems) EXPECT_EQ(p.find(dir_.path() + "/gfx/gui/mainMenu/"), 0u) << p;
}

TEST_F(GuiCheck, EveryScreenFileIsListedWithItsNames) {
  const auto& files = ScreenGuiFiles(AllScreenDescriptors());
  EXPECT_EQ(files.size(), 15u);  // giveArt.gui serves two screens
  for (const auto& f : files) {
    EXPECT_EQ(std::string(f.path).rfind("gfx/gui/", 0), 0u) << f.path;
    EXPECT_FALSE(f.names.empty()) << f.path;
  }
}

TEST_F(GuiCheck, ShippedGuiFilesDeclareTheirScreensNames) {
  std::string game = testing_support::SourceDir() + "/game";
  for (const auto& f : ScreenGuiFiles(AllScreenDescriptors())) {
    std::string path = game + "/" + ReplaceAll(f.path, "#LANG#", "en");
    if (PathKind(path) != 1) continue;
    testing::internal::CaptureStdout();
    std::unique_ptr<TGui> gui(LoadGui(path));
    testing::internal::GetCapturedStdout();
    for (const auto& name : f.names)
      EXPECT_NE(gui->GetObject(name), nullptr) << path << " " << name;
  }
  // The game screen's button is text only: its font must load.
  std::unique_ptr<TGui> gameGui(LoadGui(game + "/gfx/gui/mainGame/en/mainGame.gui"));
  ASSERT_NE(gameGui->GetObject("MENU"), nullptr);
  EXPECT_NE(gameGui->GetObject("MENU")->standardProps->font, nullptr);
  EXPECT_GT(gameGui->GetObject("MENU")->dim.w, 20);
  // Fonts, text references and scripts of the committed files must all resolve; pictures come
  // from the asset build.
  std::vector<std::string> problems;
  testing::internal::CaptureStdout();
  CheckGuiFiles(AllScreenDescriptors(), game, problems);
  testing::internal::GetCapturedStdout();
  for (const auto& p : problems) {
    bool picture = p.find("NO SUCH FILE") != std::string::npos ||
                   p.find("TEXTURE NOT FOUND") != std::string::npos;
    EXPECT_TRUE(picture) << p;
  }
}

}  // namespace
}  // namespace gui_testing
