// GUI objects at run time: size and placement, the pointer update with its over, held and click
// semantics, the transition speed, sliding, and the GUI's over/click bookkeeping.
#include <cmath>
#include <string>
#include <vector>

#include "gui/gui_test_support.h"
#include "gui/screen_base.h"

namespace gui_testing {
namespace {

class GuiObjects : public GuiTest {
 protected:
  GuiObjects() {
    WritePng(Path("b20x10.png"), 20, 10);
    WritePng(Path("b10x10.png"), 10, 10);
    WritePng(Path("t40x20.png"), 40, 20);
  }
};

// A 20 x 10 button at (100, 100) with the given extra entries.
std::string Button(const std::string& name, const std::string& extra) {
  return "OBJECT " + name + " {\nGFX = b20x10.png\nPOSITION = \"100 100\"\n" + extra + "\n}\n";
}

TEST_F(GuiObjects, SizeComesFromTheImageAndPositionIsDeclaredPlusOffset) {
  auto gui =
      LoadText(Button("A", "ADDDIM = \"3 4\"\nSCALE = \"2 2\"\nPOSITION = \"100 100 500 500\""));
  const TDim& d = gui->GetObject("A")->dim;
  EXPECT_FLOAT_EQ(d.x, 103);
  EXPECT_FLOAT_EQ(d.y, 104);
  EXPECT_FLOAT_EQ(d.w, 20);  // neither POSITION's size nor the scale count
  EXPECT_FLOAT_EQ(d.h, 10);
  EXPECT_FLOAT_EQ(d.cx, 113);
  EXPECT_FLOAT_EQ(d.cy, 109);
}

TEST_F(GuiObjects, SizeOfATextObjectIsItsTextInTheCurrentFont) {
  SetTextFont(nullptr);
  auto gui = LoadText("OBJECT T {\nTXT = \"Hello there\"\n}\n");
  SetTextFont(nullptr);
  const TDim& d = gui->GetObject("T")->dim;
  EXPECT_FLOAT_EQ(d.w, static_cast<float>(TextWidthOf("Hello there")));
  EXPECT_FLOAT_EQ(d.h, static_cast<float>(FontLineHeight()));
  EXPECT_GT(d.w, 0);
}

TEST_F(GuiObjects, AlignmentInsideThePinTarget) {
  struct Case {
    const char* align;
    float x, y;
  };
  // Target (100, 100, 40, 20); a 10 x 10 child with ADDDIM (1, 2).
  const std::vector<Case> cases = {
      {"LEFT", 101, 107}, {"UP", 116, 102}, {"DOWN", 116, 112}, {"RIGHT", 131, 107}};
  for (const Case& c : cases) {
    auto gui = LoadText(std::string("OBJECT CHILD {\nGFX = b10x10.png\nALIGN = ") + c.align +
                        "\nADDDIM = \"1 2\"\nPOSITION = \"900 900\"\nPINTO = T\n}\n"
                        "OBJECT T {\nGFX = t40x20.png\nPOSITION = \"100 100\"\n}\n");
    const TDim& d = gui->GetObject("CHILD")->dim;
    EXPECT_FLOAT_EQ(d.x, c.x) << c.align;
    EXPECT_FLOAT_EQ(d.y, c.y) << c.align;
    EXPECT_FLOAT_EQ(d.cx, c.x + 5) << c.align;
  }
  // Aligned without a target: the position is not computed at all.
  auto gui = LoadText("OBJECT C {\nGFX = b10x10.png\nALIGN = LEFT\nPOSITION = \"50 50\"\n}\n");
  EXPECT_FLOAT_EQ(gui->GetObject("C")->dim.x, 0);
  EXPECT_FLOAT_EQ(gui->GetObject("C")->dim.cx, 5);
}

TEST_F(GuiObjects, PinningAddsOnlyOneLevel) {
  auto gui = LoadText(
      "OBJECT A {\nPOSITION = \"10 10\"\n}\n"
      "OBJECT B {\nPOSITION = \"5 5\"\nADDDIM = \"1 1\"\nPINTO = A\n}\n"
      "OBJECT C {\nPOSITION = \"1 1\"\nPINTO = B\n}\n");
  EXPECT_FLOAT_EQ(gui->GetObject("B")->dim.x, 16);
  EXPECT_FLOAT_EQ(gui->GetObject("C")->dim.x, 7);  // B's declared place, not A's on top
}

TEST_F(GuiObjects, EmptyObjectIsHitOnlyOnItsPoint) {
  auto gui = LoadText("OBJECT P {\nPOSITION = \"50 60\"\n}\n");
  TGuiObject* p = gui->GetObject("P");
  EXPECT_FLOAT_EQ(p->dim.w, 0);
  Frame(*gui, 50, 60);
  EXPECT_EQ(p->over, 1);
  Frame(*gui, 50.5f, 60);
  EXPECT_EQ(p->over, 0);
}

TEST_F(GuiObjects, StepDeltaQuarterTakesFourFrames) {
  auto gui = LoadText(Button("A", "STEPDELTA = 0.25\nOVER {\nRGB = 0\n}"));
  TGuiObject* a = gui->GetObject("A");
  Frame(*gui, 110, 105);
  EXPECT_FLOAT_EQ(a->per, 0.25f);
  EXPECT_NEAR(a->stepPer, std::sin(22.5 * M_PI / 180), 1e-6);
  ASSERT_NE(a->docProps, nullptr);
  EXPECT_EQ(a->docProps->action, kActionOver);
  for (int i = 0; i < 3; ++i) Frame(*gui, 110, 105);
  EXPECT_FLOAT_EQ(a->per, 1);
  EXPECT_FLOAT_EQ(a->stepPer, 1);
  // Leaving: the state record stays drawn while fading out, then it is dropped.
  for (int i = 0; i < 3; ++i) Frame(*gui, 0, 0);
  EXPECT_FLOAT_EQ(a->per, 0.25f);
  EXPECT_NE(a->docProps, nullptr);
  Frame(*gui, 0, 0);
  EXPECT_FLOAT_EQ(a->per, 0);
  EXPECT_EQ(a->docProps, nullptr);
}

TEST_F(GuiObjects, FrameDeltaScalesTheTransition) {
  auto gui = LoadText(Button("A", "STEPDELTA = 0.1\nOVER {\nRGB = 0\n}"));
  FrameDelta = 2.5f;
  Frame(*gui, 110, 105);
  EXPECT_FLOAT_EQ(gui->GetObject("A")->per, 0.25f);
  FrameDelta = 0;
  Frame(*gui, 110, 105);
  EXPECT_FLOAT_EQ(gui->GetObject("A")->per, 0.25f);
}

TEST_F(GuiObjects, ClickSemantics) {
  struct Step {
    float x;
    int held, pressed;
    int over, holded, clicked;
  };
  struct Case {
    const char* what;
    std::vector<Step> steps;
  };
  const float in = 110, out = 300;
  const std::vector<Case> cases = {
      {"press, hold, release over the button",
       {{in, 0, 0, 1, 0, 0},
        {in, 1, 1, 1, 1, 0},
        {in, 1, 0, 1, 1, 0},
        {in, 0, 0, 1, 0, 1},
        {in, 0, 0, 1, 0, 0}}},
      {"dragging off while held clicks in the frame the pointer leaves",
       {{in, 1, 1, 1, 1, 0}, {out, 1, 0, 0, 0, 1}, {out, 1, 0, 0, 0, 0}, {out, 0, 0, 0, 0, 0}}},
      {"press and release between two frames: held, then clicked",
       {{in, 0, 1, 1, 1, 0}, {in, 0, 0, 1, 0, 1}}},
      {"moving in while held and then leaving clicks as well",
       {{out, 1, 1, 0, 0, 0}, {in, 1, 0, 1, 1, 0}, {out, 0, 0, 0, 0, 1}}},
  };
  for (const Case& c : cases) {
    auto gui = LoadText(Button("B", ""));
    TGuiObject* b = gui->GetObject("B");
    int i = 0;
    for (const Step& s : c.steps) {
      Frame(*gui, s.x, 105, s.held, s.pressed);
      EXPECT_EQ(b->over, s.over) << c.what << " step " << i;
      EXPECT_EQ(b->holded, s.holded) << c.what << " step " << i;
      EXPECT_EQ(b->clicked, s.clicked) << c.what << " step " << i;
      EXPECT_EQ(gui->clickedItem("b"), s.clicked) << c.what << " step " << i;
      EXPECT_EQ(gui->overItem("B"), s.over) << c.what << " step " << i;
      ++i;
    }
  }
}

TEST_F(GuiObjects, WhichStateRecordIsShown) {
  auto gui = LoadText(Button("NONE", "") + Button("CLICKONLY", "CLICK {\nRGB = 0\n}") +
                      Button("BOTH", "OVER {\nRGB = 1\n}\nCLICK {\nRGB = 2\n}"));
  TGuiObject* none = gui->GetObject("NONE");
  TGuiObject* clickOnly = gui->GetObject("CLICKONLY");
  TGuiObject* both = gui->GetObject("BOTH");
  Frame(*gui, 110, 105);
  EXPECT_EQ(none->over, 1);
  EXPECT_EQ(none->docProps, nullptr);
  EXPECT_EQ(clickOnly->docProps, nullptr);
  ASSERT_NE(both->docProps, nullptr);
  EXPECT_EQ(both->docProps->action, kActionOver);
  Frame(*gui, 110, 105, 1, 1);
  ASSERT_NE(clickOnly->docProps, nullptr);
  EXPECT_EQ(clickOnly->docProps->action, kActionClick);
  EXPECT_EQ(both->docProps->action, kActionClick);
  EXPECT_FLOAT_EQ(both->per, 1);  // restarted from 0 and risen by one step of 1
  EXPECT_EQ(none->holded, 1);
}

TEST_F(GuiObjects, OverlappingObjectsLaterWins) {
  auto gui = LoadText(Button("BOTTOM", "") + Button("TOP", ""));
  Frame(*gui, 110, 105);
  EXPECT_EQ(gui->overItem("TOP"), 1);
  EXPECT_EQ(gui->overItem("BOTTOM"), 0);
  EXPECT_EQ(gui->GetObject("BOTTOM")->over, 1);
}

TEST_F(GuiObjects, DisabledButtonKeepsReportingItsClick) {
  auto gui = LoadText(Button("OK", ""));
  Frame(*gui, 110, 105, 1, 1);
  Frame(*gui, 110, 105, 0, 0);
  EXPECT_EQ(gui->clickedItem("ok"), 1);
  gui->SetObjectState("OK", 0, 0);
  for (int i = 0; i < 3; ++i) {
    Frame(*gui, 300, 300);
    EXPECT_EQ(gui->clickedItem("OK"), 1) << i;
  }
  gui->SetObjectState("OK", 1, 1);
  Frame(*gui, 300, 300);
  EXPECT_EQ(gui->clickedItem("OK"), 0);
}

TEST_F(GuiObjects, LockAndHide) {
  auto gui = LoadText(Button("OK", ""));
  Frame(*gui, 110, 105);
  EXPECT_EQ(gui->overItem("OK"), 1);
  gui->Lock();
  Frame(*gui, 110, 105, 1, 1);
  Frame(*gui, 110, 105);
  EXPECT_EQ(gui->clickedItem("OK"), 0);
  EXPECT_EQ(gui->overItem("OK"), 0);
  gui->Unlock();
  Frame(*gui, 110, 105, 1, 1);
  Frame(*gui, 110, 105);
  EXPECT_EQ(gui->clickedItem("OK"), 1);
  // Hidden: neither updated nor drawn, and the last answers stay.
  gui->hide();
  Frame(*gui, 300, 300);
  EXPECT_EQ(gui->clickedItem("OK"), 1);
  ClearRecordedDraws();
  gui->draw();
  EXPECT_TRUE(RecordedDraws().empty());
  gui->show();
  Frame(*gui, 300, 300);
  EXPECT_EQ(gui->clickedItem("OK"), 0);
}

TEST_F(GuiObjects, MissingNamesAreHarmless) {
  auto gui = LoadText(Button("OK", ""));
  EXPECT_EQ(gui->GetObject("nothing"), nullptr);
  EXPECT_EQ(gui->clickedItem("nothing"), 0);
  problems_.clear();
  for (int i = 0; i < 3; ++i) gui->SetObjectState("NOTHING", 0, 0);
  EXPECT_EQ(problems_.size(), 1u);  // reported once
  EXPECT_EQ(SetGuiObjectState(nullptr, "OK", 0, 0), 0);
  SetGuiObjectState(gui.get(), "ok", 0, 1);
  EXPECT_EQ(gui->GetObject("OK")->visible, 0);
  EXPECT_EQ(gui->GetObject("OK")->active, 1);
}

TEST_F(GuiObjects, VectorMeSlidesTheDrawnCentreOnly) {
  auto gui = LoadText(Button("P", ""));
  TGuiObject* p = gui->GetObject("P");
  gui->VectorMe(-300, 0, 0);
  EXPECT_FLOAT_EQ(p->dim.cx, 110 - 300);
  EXPECT_FLOAT_EQ(p->dim.x, 100);  // the hit rectangle stays
  Frame(*gui, 110, 105);
  EXPECT_EQ(p->over, 1);
  gui->VectorMe(-300, 0, 0.5f);
  EXPECT_FLOAT_EQ(p->dim.cx, 110 - 150);
  gui->VectorMe(-300, 40, 1);
  EXPECT_FLOAT_EQ(p->dim.cx, 110);
  EXPECT_FLOAT_EQ(p->dim.cy, 105);
  EXPECT_EQ(p->wasRemembered, 1);
}

TEST_F(GuiObjects, ScreenBaseUpdatesWithItsAlphaAndDraws) {
  auto gui = LoadText(Button("OK", "ALPHA = 0.8"));
  TEkran screen;
  screen.gui = gui.get();
  screen.alpha = 0.5f;
  mouse_.x = 110;
  mouse_.y = 105;
  screen._updateGui();
  EXPECT_EQ(gui->overItem("OK"), 1);
  EXPECT_FLOAT_EQ(gui->GetObject("OK")->alpha, 0.5f);
  ClearRecordedDraws();
  screen._drawGui();
  ASSERT_EQ(RecordedDraws().size(), 1u);
  EXPECT_FLOAT_EQ(RecordedDraws()[0].alpha, 0.4f);
  screen.gui = nullptr;
}

TEST_F(GuiObjects, PrintObjectsListsIds) {
  auto gui = LoadText(Button("ONE", "") + Button("two", ""));
  testing::internal::CaptureStdout();
  gui->printObjects();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "ob.id = ONE\nob.id = TWO\n");
}

}  // namespace
}  // namespace gui_testing
