// Drawing of GUI objects, checked through the draw calls the null back end records: the image
// cases (one record, cross-fade, interpolation), the text cases, offsets, alpha and scale.
#include <cmath>
#include <string>
#include <vector>

#include "gui/gui_test_support.h"

namespace gui_testing {
namespace {

class GuiDrawing : public GuiTest {
 protected:
  GuiDrawing() {
    WritePng(Path("a.png"), 10, 10);
    WritePng(Path("b.png"), 30, 30);
  }
  std::vector<RecordedDraw> DrawAll(TGui& gui) {
    ClearRecordedDraws();
    gui.draw();
    return RecordedDraws();
  }
  static std::vector<RecordedDraw> OfKind(const std::vector<RecordedDraw>& all,
                                          RecordedDraw::Kind kind) {
    std::vector<RecordedDraw> out;
    for (const auto& d : all)
      if (d.kind == kind) out.push_back(d);
    return out;
  }
};

TEST_F(GuiDrawing, OneRecordAddsTheOffsetAgainWhenDrawing) {
  auto gui = LoadText(
      "OBJECT A {\nGFX = a.png\nPOSITION = \"100 100\"\nADDDIM = \"5 0\"\n"
      "RGB = \"10 20 30\"\nALPHA = 0.8\n}\n");
  auto draws = DrawAll(*gui);
  ASSERT_EQ(draws.size(), 1u);
  const RecordedDraw& d = draws[0];
  EXPECT_EQ(d.kind, RecordedDraw::Image);
  EXPECT_FLOAT_EQ(d.x, 115);  // declared 100 + 5, centre +5, offset +5 again
  EXPECT_FLOAT_EQ(d.y, 105);
  EXPECT_FLOAT_EQ(d.hx, 5);  // handle at the picture's centre
  EXPECT_EQ(d.r, 10);
  EXPECT_EQ(d.g, 20);
  EXPECT_EQ(d.b, 30);
  EXPECT_FLOAT_EQ(d.alpha, 0.8f);
  EXPECT_EQ(d.blend, kBlendAlpha);
  EXPECT_FLOAT_EQ(d.rotation, 0);
}

TEST_F(GuiDrawing, InterpolationTowardsAStateWithoutImage) {
  auto gui = LoadText(
      "OBJECT A {\nGFX = a.png\nPOSITION = \"100 100\"\nADDDIM = \"5 0\"\n"
      "STEPDELTA = 0.25\nOVER {\nRGB = \"0 255 255\"\nALPHA = 0.2\n"
      "SCALE = \"3 3\"\n}\n}\n");
  TGuiObject* a = gui->GetObject("A");
  a->scaleX = 2;  // ignored while two scales are blended
  a->stepDelta = 0;
  Frame(*gui, 110, 105);  // over, but the fade has not moved yet
  ASSERT_NE(a->docProps, nullptr);
  auto start = DrawAll(*gui);
  ASSERT_EQ(start.size(), 1u);
  EXPECT_FLOAT_EQ(start[0].x, 110);  // 5 right of the declared place at the start of the fade
  EXPECT_EQ(start[0].r, 255);
  EXPECT_FLOAT_EQ(start[0].scaleX, 1);

  a->stepDelta = 0.25f;
  Frame(*gui, 110, 105);
  float s = a->stepPer;
  EXPECT_NEAR(s, std::sin(22.5 * M_PI / 180), 1e-6);
  auto mid = DrawAll(*gui);
  ASSERT_EQ(mid.size(), 1u);
  EXPECT_NEAR(mid[0].x, 110 - 5 * s, 1e-4);
  EXPECT_EQ(mid[0].r, static_cast<int>(255 - 255 * s));
  EXPECT_NEAR(mid[0].alpha, 1 + (0.2f - 1) * s, 1e-5);
  EXPECT_NEAR(mid[0].scaleX, 1 + 2 * s, 1e-5);
}

TEST_F(GuiDrawing, CrossFadeToAStateImage) {
  auto gui = LoadText(
      "OBJECT A {\nGFX = a.png\nPOSITION = \"100 100\"\nADDDIM = \"5 0\"\n"
      "STEPDELTA = 0.5\nOVER {\nGFX = b.png\nALPHA = 0.5\nADDDIM = \"50 50\"\n}\n}\n");
  Frame(*gui, 110, 105);
  float s = gui->GetObject("A")->stepPer;
  auto draws = DrawAll(*gui);
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_FLOAT_EQ(draws[0].x, 110);  // no offset in a cross-fade
  EXPECT_FLOAT_EQ(draws[0].alpha, 1);
  EXPECT_FLOAT_EQ(draws[1].x, 110);
  EXPECT_FLOAT_EQ(draws[1].hx, 15);
  EXPECT_NEAR(draws[1].alpha, 0.5f * s, 1e-6);
}

TEST_F(GuiDrawing, ObjectScaleMultipliesASingleRecord) {
  auto gui = LoadText("OBJECT A {\nGFX = a.png\nSCALE = \"1.5 2\"\n}\n");
  TGuiObject* a = gui->GetObject("A");
  a->scaleX = 2;
  a->scaleY = 3;
  auto draws = DrawAll(*gui);
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_FLOAT_EQ(draws[0].scaleX, 3);
  EXPECT_FLOAT_EQ(draws[0].scaleY, 6);
}

TEST_F(GuiDrawing, HalfScreenAlphaHalvesImageAndText) {
  auto gui = LoadText("OBJECT A {\nGFX = a.png\nALPHA = 0.8\nTXT = Hi\nTEXTALPHA = 0.6\n}\n");
  gui->setGuiAlpha(0.5f);
  auto draws = DrawAll(*gui);
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_FLOAT_EQ(draws[0].alpha, 0.4f);
  EXPECT_EQ(draws[1].kind, RecordedDraw::Text);
  EXPECT_FLOAT_EQ(draws[1].alpha, 0.3f);
}

TEST_F(GuiDrawing, TextIsCentredWithIntegerHalvesAndOutlined) {
  auto gui = LoadText(
      "OBJECT T {\nPOSITION = \"200 300\"\nTXT = \"Hello you\"\n"
      "TEXTRGB = \"1 2 3\"\nTEXTOUTLINE = \"9 9 9\"\nTEXTADDDIM = \"4 0\"\n"
      "TEXTSCALE = \"2 2\"\n}\n");
  TGuiObject* t = gui->GetObject("T");
  auto draws = OfKind(DrawAll(*gui), RecordedDraw::Text);
  ASSERT_EQ(draws.size(), 5u);
  SetTextFont(nullptr);
  float x = std::trunc(t->dim.cx + 4 - static_cast<float>(TextWidthOf("Hello you") / 2));
  float y = std::trunc(t->dim.cy - static_cast<float>(FontLineHeight() / 2));
  const float offsets[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(draws[i].x, std::trunc(x + offsets[i][0])) << i;
    EXPECT_FLOAT_EQ(draws[i].y, std::trunc(y + offsets[i][1])) << i;
    EXPECT_EQ(draws[i].r, 9) << i;
  }
  EXPECT_FLOAT_EQ(draws[4].x, x);
  EXPECT_FLOAT_EQ(draws[4].y, y);
  EXPECT_EQ(draws[4].r, 1);
  EXPECT_EQ(draws[4].b, 3);
  EXPECT_FLOAT_EQ(draws[4].scaleX, 2);
  EXPECT_EQ(draws[4].text, "Hello you");
}

TEST_F(GuiDrawing, TextCrossFadeAndInterpolation) {
  auto gui = LoadText(
      "OBJECT F {\nPOSITION = \"0 0\"\nTXT = One\nSTEPDELTA = 0.5\nTEXTOUTLINE = 0\n"
      "OVER {\nTXT = Two\nTEXTALPHA = 0.5\n}\n}\n"
      "OBJECT I {\nPOSITION = \"0 0\"\nTXT = One\nSTEPDELTA = 0.5\nTEXTOUTLINE = 0\n"
      "OVER {\nTEXTRGB = \"0 0 0\"\nADDDIM = \"10 0\"\n}\n}\n");
  Frame(*gui, 0, 0);
  TGuiObject* f = gui->GetObject("F");
  float s = f->stepPer;
  ASSERT_GT(s, 0);
  ASSERT_LT(s, 1);
  auto texts = OfKind(DrawAll(*gui), RecordedDraw::Text);
  // F: no outline, the old text fading out and the new one fading in.
  // I: the outline (4 draws) and the text, both moving and changing colour.
  ASSERT_EQ(texts.size(), 2u + 5u);
  EXPECT_EQ(texts[0].text, "One");
  EXPECT_NEAR(texts[0].alpha, 1 - s, 1e-6);
  EXPECT_EQ(texts[1].text, "Two");
  EXPECT_NEAR(texts[1].alpha, 0.5f * s, 1e-6);

  TGuiObject* i = gui->GetObject("I");
  SetTextFont(nullptr);
  float x = std::trunc(i->dim.cx + 10 * s - static_cast<float>(TextWidthOf("One") / 2));
  EXPECT_FLOAT_EQ(texts[6].x, x);
  EXPECT_EQ(texts[6].r, static_cast<int>(255 - 255 * s));
  EXPECT_EQ(texts[2].r, 0);  // outline colour
}

TEST_F(GuiDrawing, InvisibleObjectsDrawNothing) {
  auto gui = LoadText("OBJECT A {\nGFX = a.png\nTXT = x\n}\nOBJECT B {\nGFX = a.png\n}\n");
  gui->GetObject("A")->SetState(0, 1);
  auto draws = DrawAll(*gui);
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].kind, RecordedDraw::Image);
}

}  // namespace
}  // namespace gui_testing
