// The GUI screen base: the one loop with its button table, the caller drawn underneath a modal
// screen, the sliding panel and its offset, and the ways out.
#include "gui/gui_screen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "app/app_fixture.h"
#include "gui/gui.h"
#include "media/media.h"

namespace {

const TScreenDescriptor kTestScreen = {"TestScreen", nullptr, {}, {}};

// A GUI of named buttons at the given rectangles, built without a file.
TGui* ButtonGui(const std::vector<std::pair<std::string, TDim>>& buttons) {
  TGui* gui = new TGui();
  for (const auto& [name, dim] : buttons) {
    auto object = std::make_shared<TGuiObject>();
    object->id = name;
    object->standardProps = std::make_shared<TProperties>();
    object->actProps = object->standardProps;
    object->dim = dim;
    gui->objects.push_back(object);
  }
  return gui;
}

// The screen underneath: it only counts how often it is drawn and updated, and marks its drawing
// with a small rectangle.
class Caller : public TEkran {
 public:
  int draw() override {
    ++draws;
    FillRect(1, 2, 3, 4);
    return 0;
  }
  int update() override { return ++updates; }
  int draws = 0, updates = 0;
};

class TestScreen : public TGuiScreen {
 public:
  TestScreen(Kind kind, unsigned exits) : TGuiScreen(kTestScreen, kind, exits) {
    gui =
        ButtonGui({{"OK", {100, 100, 50, 50, 125, 125}}, {"AGAIN", {300, 100, 50, 50, 325, 125}}});
    OnClick("OK", [this] {
      pressed.push_back("OK");
      return leave(7);
    });
    OnClick("AGAIN", [this] {
      pressed.push_back("AGAIN");
      return 0;
    });
  }
  std::vector<std::string> pressed;
  int endAtFrame = -1;  // leaveAtOnce(5) after this many frames
  int frames = 0;
  TImage* panel = nullptr;
  using TGuiScreen::CountY;

 protected:
  int _reactKeys() override {
    if (++frames == endAtFrame) leaveAtOnce(5);
    return 0;
  }
  int _drawContent() override {
    FillRect(10, 20, 30, 40);
    return 0;
  }
  TImage* panelImage() const override { return panel; }
};

class GuiScreenBase : public AppFixture {
 protected:
  // A click on (x, y): pressed after frame `at`, released after the next one.
  void ClickAt(long long at, float x, float y) { clicks_.push_back({at, x, y}); }
  void StartClicks() {
    long long start = PresentedFrames();
    SetFrameHook([this, start] {
      long long frame = PresentedFrames() - start;
      for (const Click& c : clicks_) {
        if (frame == c.at) {
          InjectMouseMove(c.x, c.y);
          InjectMouseButton(1, true);
        }
        if (frame == c.at + 1) {
          InjectMouseButton(1, false);
          releasedAt_ = frame;
        }
      }
    });
  }
  void TearDown() override {
    SetFrameHook(nullptr);
    AppFixture::TearDown();
  }
  struct Click {
    long long at;
    float x, y;
  };
  std::vector<Click> clicks_;
  long long releasedAt_ = -1;
};

TEST_F(GuiScreenBase, ModalPanelRunsItsButtonsOverItsFrozenCallerAndSlidesOut) {
  TestScreen panel(TGuiScreen::kModal, TGuiScreen::kExitShow);
  Caller caller;
  ClickAt(25, 325, 125);  // "AGAIN": the action runs, the panel stays
  ClickAt(30, 125, 125);  // "OK": leaves with 7
  StartClicks();
  long long start = PresentedFrames();
  int result = panel.run(&caller);
  long long frames = PresentedFrames() - start;

  EXPECT_EQ(result, 7);
  EXPECT_EQ(panel.pressed, (std::vector<std::string>{"AGAIN", "OK"}));
  EXPECT_EQ(panel.showPer, 0.0f);
  EXPECT_EQ(panel.dShowPer, 0.0f);
  // The caller is drawn under every frame and never updated.
  EXPECT_EQ(caller.draws, frames);
  EXPECT_EQ(caller.updates, 0);
  // The slide out takes about 20 frames after the release of "OK" is seen.
  EXPECT_GE(frames - releasedAt_, 19);
  EXPECT_LE(frames - releasedAt_, 23);
  EXPECT_EQ(panel.ekran, nullptr);  // the caller is not kept after the run
}

TEST_F(GuiScreenBase, ExitTestsFollowTheScreensKindAndWays) {
  struct Case {
    TGuiScreen::Kind kind;
    unsigned exits;
    const char* what;
  } cases[] = {
      {TGuiScreen::kTopLevel, 0, "top-level: fades to black"},
      {TGuiScreen::kModal, 0, "modal: the content fades out"},
      {TGuiScreen::kModal, TGuiScreen::kExitShow, "modal panel: slides out"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestScreen screen(c.kind, c.exits);
    Caller caller;
    clicks_.clear();
    ClickAt(25, 125, 125);
    StartClicks();
    EXPECT_EQ(screen.run(c.kind == TGuiScreen::kModal ? &caller : nullptr), 7);
    if (c.kind == TGuiScreen::kTopLevel) {
      EXPECT_EQ(screen.fade, 1.0f);
      EXPECT_EQ(screen.alpha, 1.0f);
    } else if (c.exits == TGuiScreen::kExitShow) {
      EXPECT_EQ(screen.showPer, 0.0f);
    } else {
      EXPECT_EQ(screen.alpha, 0.0f);
      EXPECT_EQ(screen.fade, 0.0f);
    }
  }
}

TEST_F(GuiScreenBase, LeaveAtOnceEndsAfterTheCurrentFrameAndAScreenWithoutGuiStillRuns) {
  for (bool withGui : {true, false}) {
    TestScreen screen(TGuiScreen::kTopLevel, 0);
    if (!withGui) {
      delete screen.gui;
      screen.gui = nullptr;
    }
    screen.endAtFrame = 3;
    long long start = PresentedFrames();
    EXPECT_EQ(screen.run(nullptr), 5) << withGui;
    EXPECT_EQ(PresentedFrames() - start, 3) << withGui;
    EXPECT_TRUE(screen.pressed.empty());
  }
}

TEST_F(GuiScreenBase, ModalDrawsItsCallerFirstAndTopLevelDrawsTheFadeLast) {
  auto withoutGui = [](TGuiScreen& screen) {
    delete screen.gui;
    screen.gui = nullptr;
  };
  Caller caller;
  TestScreen modal(TGuiScreen::kModal, TGuiScreen::kExitShow);
  withoutGui(modal);
  modal.ekran = &caller;
  ClearRecordedDraws();
  modal.draw();
  ASSERT_EQ(RecordedDraws().size(), 2u);  // the caller's mark, then the content; no fade
  EXPECT_EQ(RecordedDraws()[0].x, 1.0f);
  EXPECT_EQ(RecordedDraws()[1].x, 10.0f);

  TestScreen top(TGuiScreen::kTopLevel, 0);
  withoutGui(top);
  top.fade = 0.5f;
  ClearRecordedDraws();
  top.draw();
  ASSERT_EQ(RecordedDraws().size(), 2u);
  EXPECT_EQ(RecordedDraws()[0].x, 10.0f);
  EXPECT_EQ(RecordedDraws()[1].w, 1024.0f);
  EXPECT_EQ(RecordedDraws()[1].alpha, 0.5f);
}

TEST_F(GuiScreenBase, CountYIsThePanelsOffsetFromHiddenToFullyShown) {
  TestScreen screen(TGuiScreen::kModal, TGuiScreen::kExitShow);
  screen.showPer = 0.5f;
  EXPECT_EQ(screen.CountY(), 0.0f);  // no panel picture: no offset
  screen.panel = CreateImageFromPixels(2, 200, std::vector<uint32_t>(400, 0xFFFFFFFFu));
  struct Case {
    float showPer, y;
  } cases[] = {
      {0, 200}, {1, 0}, {0.5f, static_cast<float>(200 - 200 * std::sin(std::numbers::pi / 4))}};
  for (const Case& c : cases) {
    screen.showPer = c.showPer;
    EXPECT_FLOAT_EQ(screen.CountY(), c.y) << c.showPer;
  }
  FreeImage(screen.panel);
}

}  // namespace
