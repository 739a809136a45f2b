// The .gui block parser: declarations, report lines, property classes, pins, value syntaxes and
// the working folder around a load.
#include <cmath>
#include <string>
#include <vector>

#include "gui/gui_test_support.h"

namespace gui_testing {
namespace {

std::vector<std::string> Ids(const TGui& gui) {
  std::vector<std::string> ids;
  for (const auto& o : gui.objects) ids.push_back(o->id);
  return ids;
}

struct ParseCase {
  const char* what;
  std::string text;
  std::vector<std::string> ids;
  std::vector<std::string> reports;
};

class GuiParser : public GuiTest {};

TEST_F(GuiParser, DeclarationsAndReports) {
  const std::vector<ParseCase> cases = {
      {"an empty file", "", {}, {}},
      {"lower-case keywords and names", "object b {\ntxt = hi\n}\n", {"B"}, {}},
      {"stray top-level words are skipped", "hello there OBJECT A {\n}\n", {"A"}, {}},
      {"a file whose last brace has no newline",
       "OBJECT A {\n}\nOBJECT B {\nTXT = x\n}",
       {"A"},
       {"No data for object 'B'!"}},
      {"a value without its '='",
       "OBJECT A {\nTXT hello\n}\nOBJECT B {\n}\n",
       {"B"},
       {"Expected '=' or '{' but hello found in line 2!", "No data for object 'A'!"}},
      {"name=value written as one token",
       "OBJECT A {\nTXT=hello POSITION = 1\n}\n",
       {},
       {"Expected '=' or '{' but POSITION found in line 2!", "No data for object 'A'!"}},
      {"a nested block that runs out of tokens",
       "OBJECT A {\nOVER {\nTXT = a\n",
       {},
       {"Not enough tokens in line 2!", "No data for object 'A'!"}},
      {"an inner error is reported once per nesting level",
       "OBJECT A {\nOVER {\nX {\nbad bad\n}\n}\n}\n",
       {},
       {"Expected '=' or '{' but bad found in line 4!", "Not enough tokens in line 3!",
        "Not enough tokens in line 2!", "No data for object 'A'!"}},
      {"too few tokens after OBJECT",
       "OBJECT A\n",
       {},
       {"Not enough tokens in object declaration!"}},
      {"too few tokens after PROPCLASS and LUASCRIPT are silent", "PROPCLASS c\n", {}, {}},
      {"a pending name before '}' is dropped", "OBJECT A {\nTXT\n}\n", {"A"}, {}},
  };
  for (const ParseCase& c : cases) {
    problems_.clear();
    auto gui = LoadText(c.text);
    EXPECT_EQ(Ids(*gui), c.ids) << c.what;
    EXPECT_EQ(problems_, c.reports) << c.what;
    EXPECT_TRUE(gui->tokens.empty()) << c.what;
  }
}

TEST_F(GuiParser, ReportsGoToStandardOutputAsErrorLines) {
  testing::internal::CaptureStdout();
  auto gui = LoadText("OBJECT A\n");
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("ERROR: Not enough tokens in object declaration!\n"), std::string::npos)
      << out;
}

TEST_F(GuiParser, DeepNestingIsAbandonedWithoutCrashing) {
  std::string text = "OBJECT DEEP {\n";
  for (int i = 0; i < 5000; ++i) text += "B {\n";
  for (int i = 0; i < 5000; ++i) text += "}\n";
  text += "}\nOBJECT AFTER {\nTXT = ok\n}\n";
  auto gui = LoadText(text);
  EXPECT_EQ(Ids(*gui), std::vector<std::string>{"AFTER"});
  ASSERT_FALSE(problems_.empty());
  EXPECT_EQ(problems_.back(), "No data for object 'DEEP'!");
}

TEST_F(GuiParser, ObjectsFromNestedBlocksAtDepthLimitStillParse) {
  // Exactly at the limit nothing is abandoned.
  std::string text = "OBJECT A {\n";
  for (int i = 0; i < kMaxGuiBlockDepth; ++i) text += "B {\n";
  for (int i = 0; i < kMaxGuiBlockDepth; ++i) text += "}\n";
  text += "}\n";
  auto gui = LoadText(text);
  EXPECT_EQ(Ids(*gui), std::vector<std::string>{"A"});
  EXPECT_TRUE(problems_.empty());
}

TEST_F(GuiParser, MissingFileGivesAnEmptyGuiAndKeepsTheWorkingFolder) {
  std::string before = CurrentFolder();
  testing::internal::CaptureStdout();
  std::unique_ptr<TGui> gui(LoadGui(Path("nowhere/none.gui")));
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_TRUE(gui->objects.empty());
  EXPECT_EQ(out.rfind("ERROR: ", 0), 0u) << out;
  EXPECT_EQ(CurrentFolder(), before);
}

TEST_F(GuiParser, WorkingFolderIsTheGuiFolderDuringLoadAndRestoredAfter) {
  std::string before = CurrentFolder();
  // The script records the working folder while the file is being read.
  Write("sub/where.lua",
        "function start() local f = io.open('seen.txt', 'w') f:write('x') "
        "f:close() end\n");
  Write("sub/a.gui", "LUASCRIPT where.lua\nOBJECT A {\n}\n");
  std::unique_ptr<TGui> gui(LoadGui(Path("sub/a.gui")));
  EXPECT_EQ(PathKind(Path("sub/seen.txt")), 1);
  EXPECT_EQ(CurrentFolder(), before);
  EXPECT_EQ(gui->myPath, Path("sub/a.gui"));
}

TEST_F(GuiParser, LangPlaceholderIsReplaced) {
  Write("en/x.gui", "OBJECT HERE {\n}\n");
  std::unique_ptr<TGui> gui(LoadGui(Path("#LANG#/x.gui")));
  EXPECT_EQ(Ids(*gui), std::vector<std::string>{"HERE"});
}

TEST_F(GuiParser, PinsResolveAfterAllObjectsExist) {
  auto gui = LoadText(
      "OBJECT CHILD {\nPOSITION = \"5 6\"\nPINTO = parent\n}\n"
      "OBJECT PARENT {\nPOSITION = \"100 200\"\nADDDIM = \"1 2\"\n}\n"
      "OBJECT LOST {\nPINTO = nobody\nPOSITION = \"7 8\"\n}\n");
  TGuiObject* child = gui->GetObject("child");
  TGuiObject* parent = gui->GetObject("PARENT");
  ASSERT_TRUE(child && parent);
  EXPECT_EQ(child->pinTo, parent);
  ASSERT_EQ(parent->objects.size(), 1u);
  EXPECT_EQ(parent->objects[0], child);
  EXPECT_FLOAT_EQ(child->dim.x, 106);
  EXPECT_FLOAT_EQ(child->dim.y, 208);
  TGuiObject* lost = gui->GetObject("LOST");
  EXPECT_EQ(lost->pinTo, nullptr);
  EXPECT_FLOAT_EQ(lost->dim.x, 7);
}

TEST_F(GuiParser, PropertyClassesAndStateReferences) {
  auto gui = LoadText(
      "OBJECT EARLY {\nOVER = hot\n}\n"
      "PROPCLASS Hot {\nRGB = \"10 20 30\"\nPOSITION = \"50 50\"\nADDDIM = \"3 3\"\n"
      "OVER {\nRGB = 1\n}\n}\n"
      "OBJECT LATE {\nOVER = HOT\nCLICK = hot\nUNACTIVE = hot\n}\n"
      "OBJECT FILLED {\nPROPCLASS = hot\nRGB = \"1 2 3\"\n}\n"
      "OBJECT NOCLASS {\nPROPCLASS = missing\n}\n");
  EXPECT_EQ(problems_, std::vector<std::string>{"Couldn't find properties class 'hot'!"});
  EXPECT_TRUE(gui->GetObject("EARLY")->properties.empty());

  TGuiObject* late = gui->GetObject("LATE");
  ASSERT_EQ(late->properties.size(), 3u);
  EXPECT_EQ(late->properties[0]->action, kActionOver);
  EXPECT_EQ(late->properties[1]->action, kActionClick);
  EXPECT_EQ(late->properties[2]->action, kActionUnactive);
  const TProperties& over = *late->properties[0];
  ASSERT_TRUE(over.rgb);
  EXPECT_FLOAT_EQ(over.rgb->g, 20);
  EXPECT_FLOAT_EQ(over.dim->x, 0);                      // a class never passes its position on
  EXPECT_FALSE(over.addDim);                            // nor its offset
  EXPECT_NE(late->properties[0], late->properties[1]);  // each state has its own copy

  // An entry PROPCLASS only fills what the record lacks; the record's own entries win.
  TGuiObject* filled = gui->GetObject("FILLED");
  EXPECT_FLOAT_EQ(filled->standardProps->rgb->r, 1);
  EXPECT_FLOAT_EQ(filled->standardProps->rgb->b, 3);

  ASSERT_EQ(gui->propClasses.size(), 1u);
  EXPECT_EQ(gui->propClasses[0]->id, "Hot");
}

TEST_F(GuiParser, StepDeltaBeforeAPropclassEntryIsLost) {
  auto gui = LoadText(
      "PROPCLASS c {\nTXT = \"from class\"\n}\n"
      "OBJECT BEFORE {\nSTEPDELTA = 0.5\nPROPCLASS = c\n}\n"
      "OBJECT AFTER {\nPROPCLASS = c\nSTEPDELTA = 0.5\n}\n"
      "OBJECT OWN {\nTXT = mine\nPROPCLASS = c\n}\n");
  EXPECT_FLOAT_EQ(gui->GetObject("BEFORE")->stepDelta, 1.0f);
  EXPECT_FLOAT_EQ(gui->GetObject("AFTER")->stepDelta, 0.5f);
  EXPECT_EQ(gui->GetObject("AFTER")->standardProps->txt, "from class");
  EXPECT_EQ(gui->GetObject("OWN")->standardProps->txt, "mine");
}

TEST_F(GuiParser, StateBlocksInPlace) {
  auto gui = LoadText(
      "OBJECT B {\nTXT = x\nOVER {\nTXT = y\nINNER {\nTXT = z\n}\n}\nHOVER {\nTXT = w\n}\n"
      "CLICK {\nALPHA = 0.5\n}\n}\n");
  TGuiObject* b = gui->GetObject("B");
  ASSERT_EQ(b->properties.size(), 3u);
  EXPECT_EQ(b->properties[0]->action, kActionOver);
  EXPECT_EQ(b->properties[0]->txt, "y");
  EXPECT_EQ(b->properties[1]->action, kActionStandard);  // unknown block: kept, never shown
  EXPECT_EQ(b->properties[2]->action, kActionClick);
  EXPECT_EQ(b->GetPropertiesByAction(kActionOver), b->properties[0].get());
  // State records get no defaults.
  EXPECT_FALSE(b->properties[2]->rgb);
  EXPECT_FALSE(b->properties[2]->scale);
}

struct ValueCase {
  const char* what;
  std::string entries;
  void (*check)(const TProperties& p);
};

TEST_F(GuiParser, ValueSyntaxes) {
  const std::vector<ValueCase> cases = {
      {"RGB with two fields keeps blue at 255", "RGB = \"255 0\"",
       [](const TProperties& p) {
         EXPECT_FLOAT_EQ(p.rgb->r, 255);
         EXPECT_FLOAT_EQ(p.rgb->g, 0);
         EXPECT_FLOAT_EQ(p.rgb->b, 255);
       }},
      {"RGB reads integers", "TEXTRGB = \"12.9 -3 x\"",
       [](const TProperties& p) {
         EXPECT_FLOAT_EQ(p.tRgb->r, 12);
         EXPECT_FLOAT_EQ(p.tRgb->g, -3);
         EXPECT_FLOAT_EQ(p.tRgb->b, 0);
       }},
      {"SCALE with one field leaves the default", "SCALE = 2",
       [](const TProperties& p) {
         EXPECT_FLOAT_EQ(p.scale->sx, 1);
         EXPECT_FLOAT_EQ(p.scale->sy, 1);
       }},
      {"SCALE with two fields", "SCALE = \"2 0.5\"",
       [](const TProperties& p) {
         EXPECT_FLOAT_EQ(p.scale->sx, 2);
         EXPECT_FLOAT_EQ(p.scale->sy, 0.5f);
       }},
      {"double space in POSITION", "POSITION = \"10  20\"",
       [](const TProperties& p) {
         EXPECT_FLOAT_EQ(p.dim->x, 10);
         EXPECT_FLOAT_EQ(p.dim->y, 0);
         EXPECT_FLOAT_EQ(p.dim->w, 20);
       }},
      {"ADDDIM and TEXTADDDIM", "ADDDIM = \"1.5 -2\"\nTEXTADDDIM = \"3 4 5 6 7\"",
       [](const TProperties& p) {
         EXPECT_FLOAT_EQ(p.addDim->x, 1.5f);
         EXPECT_FLOAT_EQ(p.addDim->y, -2);
         EXPECT_FLOAT_EQ(p.textAddDim->h, 6);
       }},
      {"five-character bracketed text is literal", "TXT = [a|1]",
       [](const TProperties& p) { EXPECT_EQ(p.txt, "[a|1]"); }},
      {"bracketed text without '|' is literal", "TXT = [abcdef]",
       [](const TProperties& p) { EXPECT_EQ(p.txt, "[abcdef]"); }},
      {"alpha, text alpha, step, scripts",
       "ALPHA = 0.25\nTEXTALPHA = .5\nSTEPDELTA = 0.1\n"
       "LUAONCLICK = a()\nLUAONOVER = b()",
       [](const TProperties& p) {
         EXPECT_FLOAT_EQ(p.alpha->a, 0.25f);
         EXPECT_FLOAT_EQ(p.tAlpha->a, 0.5f);
         EXPECT_FLOAT_EQ(p.stepP, 0.1f);
         EXPECT_EQ(p.onClick, "a()");
         EXPECT_EQ(p.onOver, "b()");
       }},
      {"huge and non-numeric values", "POSITION = \"1e999 abc -1e999\"\nALPHA = nan",
       [](const TProperties& p) {
         EXPECT_TRUE(std::isfinite(p.dim->x));
         EXPECT_GT(p.dim->x, 1e30f);
         EXPECT_FLOAT_EQ(p.dim->y, 0);
         EXPECT_LT(p.dim->w, -1e30f);
         EXPECT_FLOAT_EQ(p.alpha->a, 0);
       }},
      {"a later entry overwrites an earlier one; unknown and SHADOW keys are ignored",
       "TXT = one\nTXT = two\nWHATEVER = 1\nSHADOW = \"1 2 3\"",
       [](const TProperties& p) {
         EXPECT_EQ(p.txt, "two");
         EXPECT_FALSE(p.shadow);
       }},
      {"no TXT, no text defaults", "RGB = 1",
       [](const TProperties& p) {
         EXPECT_FALSE(p.tScale);
         EXPECT_FALSE(p.tAlpha);
         EXPECT_FALSE(p.tRgb);
         EXPECT_FLOAT_EQ(p.alpha->a, 1);
         EXPECT_FLOAT_EQ(p.addDim->x, 0);
       }},
      {"TXT gets text defaults", "TXT = hi",
       [](const TProperties& p) {
         EXPECT_FLOAT_EQ(p.tScale->sx, 1);
         EXPECT_FLOAT_EQ(p.tAlpha->a, 1);
         EXPECT_FLOAT_EQ(p.tRgb->g, 255);
       }},
      {"FONT without size or with size 0 gives no font", "FONT = a.ttf\nTEXTOUTLINE = 0",
       [](const TProperties& p) {
         EXPECT_EQ(p.font, nullptr);
         EXPECT_FLOAT_EQ(p.outRgb->r, 0);
         EXPECT_FLOAT_EQ(p.outRgb->g, 255);
       }},
  };
  for (const ValueCase& c : cases) {
    auto gui = LoadText("OBJECT V {\n" + c.entries + "\n}\n");
    ASSERT_EQ(gui->objects.size(), 1u) << c.what;
    SCOPED_TRACE(c.what);
    c.check(*gui->objects[0]->standardProps);
  }
}

TEST_F(GuiParser, AlignWords) {
  const std::vector<std::pair<std::string, int>> cases = {{"LEFT", 1},  {"up", 2},     {"Down", 3},
                                                          {"RIGHT", 4}, {"CENTER", 0}, {"", 0}};
  for (const auto& [word, expected] : cases) {
    auto gui = LoadText("OBJECT A {\nALIGN = \"" + word + "\"\n}\n");
    EXPECT_EQ(gui->objects[0]->standardProps->dimAlign, expected) << word;
  }
}

TEST_F(GuiParser, TextReferenceReadsALanguageLine) {
  Write("txt/en/menu.txt", "first\nsecond\nthird\n");
  auto gui = LoadText(
      "OBJECT A {\nTXT = [txt/#LANG#/menu.txt|3]\n}\n"
      "OBJECT B {\nTXT = [txt/#LANG#/menu.txt|9]\n}\n");
  EXPECT_EQ(gui->GetObject("A")->standardProps->txt, "third");
  EXPECT_EQ(gui->GetObject("B")->standardProps->txt, "(BEYOND TEXT ARRAY LENGTH!)");
}

TEST_F(GuiParser, CopyFromPropertiesRules) {
  TProperties src;
  src.id = "CLASS";
  src.action = 2;
  src.visible = 1;
  src.active = 1;
  src.stepP = 0.3f;
  src.dimAlign = 4;
  src.addDim = CreateDim(1, 1);
  src.alpha = CreateAlpha(0.5f);
  src.tRgb = CreateRGB(1, 2, 3);
  src.txt = "src";
  src.onClick = "x";
  src.pinToString = "P";

  TProperties dst;
  dst.alpha = CreateAlpha(0.9f);
  dst.dimAlign = 2;
  dst.copyFromProperties(src);
  EXPECT_EQ(dst.action, 2);
  EXPECT_EQ(dst.visible, 1);
  EXPECT_FLOAT_EQ(dst.stepP, 0.3f);
  EXPECT_FLOAT_EQ(dst.alpha->a, 0.9f);  // kept
  EXPECT_EQ(dst.dimAlign, 2);           // kept
  EXPECT_FLOAT_EQ(dst.tRgb->b, 3);      // filled
  EXPECT_EQ(dst.txt, "src");
  EXPECT_TRUE(dst.id.empty());
  EXPECT_FALSE(dst.addDim);
  EXPECT_TRUE(dst.onClick.empty());
  EXPECT_TRUE(dst.pinToString.empty());

  // The copy is deep: changing the source later leaves the copy alone.
  src.tRgb->b = 99;
  EXPECT_FLOAT_EQ(dst.tRgb->b, 3);
  EXPECT_EQ(CloneProperties(nullptr), nullptr);
}

}  // namespace
}  // namespace gui_testing
