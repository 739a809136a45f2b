// The script language: what parses, the errors with their line numbers, and how the commands
// reach the game frame by frame.
#include "app/script.h"

#include <gtest/gtest.h>

#include "app_fixture.h"
#include "media/media.h"

TEST(AppScriptParse, EveryCommandParses) {
  const char* text =
      "# a comment line\n"
      "wait 3\n"
      "move 10 20.5   # trailing comment\n"
      "down\n"
      "up right\n"
      "click 512 384 middle\n"
      "drag 1 2 3 4\n"
      "drag 1 2 3 4 7\n"
      "key Enter\n"
      "keydown lalt\n"
      "keyup LALT\n"
      "type Hello World\n"
      "wheel -2\n"
      "shot out/a.png\n"
      "state s.txt\n"
      "\n"
      "   \t\n"
      "close\n"
      "quit\n";
  std::vector<TScriptCommand> c;
  std::string error;
  ASSERT_TRUE(ParseScript(text, c, error)) << error;
  ASSERT_EQ(c.size(), 17u);
  EXPECT_EQ(c[0].kind, TScriptCommand::Wait);
  EXPECT_EQ(c[0].number, 3);
  EXPECT_EQ(c[0].line, 2);
  EXPECT_EQ(c[1].y1, 20.5f);
  EXPECT_EQ(c[2].button, 1);
  EXPECT_EQ(c[3].button, 2);
  EXPECT_EQ(c[4].button, 3);
  EXPECT_EQ(c[5].number, 10);  // default drag length
  EXPECT_EQ(c[6].number, 7);
  EXPECT_EQ(c[7].key, kKeyEnter);
  EXPECT_EQ(c[8].key, kKeyLAlt);
  EXPECT_EQ(c[10].text, "Hello World");
  EXPECT_EQ(c[11].number, -2);
  EXPECT_EQ(c[12].text, "out/a.png");
  EXPECT_EQ(c[15].kind, TScriptCommand::Close);
  EXPECT_EQ(c[16].kind, TScriptCommand::Quit);
  EXPECT_EQ(c[16].line, 19);
}

TEST(AppScriptParse, KeyNames) {
  struct Case {
    const char* name;
    int code;
  } cases[] = {{"Enter", 13},  {"escape", 27}, {"F1", 112},   {"f4", 115}, {"A", 65}, {"z", 90},
               {"LCtrl", 162}, {"LAlt", 164},  {"RAlt", 165}, {"F2", 0},   {"AB", 0}, {"", 0}};
  for (const Case& c : cases) EXPECT_EQ(ScriptKeyCode(c.name), c.code) << c.name;
}

TEST(AppScriptParse, ErrorsNameTheirLine) {
  struct Case {
    const char* text;
    const char* error;
  } cases[] = {
      {"jump 1", "line 1: unknown command \"jump\""},
      {"wait\n", "line 1: wait needs"},
      {"wait -1", "line 1: wait needs"},
      {"wait 1.5", "line 1: wait needs"},
      {"# ok\nmove 1", "line 2: move needs X Y"},
      {"move a b", "line 1: move needs"},
      {"click 1 2 sideways", "line 1: unknown button \"sideways\""},
      {"down up", "line 1: unknown button"},
      {"drag 1 2 3", "line 1: drag needs"},
      {"drag 1 2 3 4 0", "line 1: drag frames"},
      {"\n\n\nkey F13", "line 4: unknown key \"F13\""},
      {"keydown", "line 1: keydown needs"},
      {"type", "line 1: type needs"},
      {"wheel x", "line 1: wheel needs"},
      {"shot", "line 1: shot needs"},
      {"state   # no file", "line 1: state needs"},
      {"quit now", "line 1: quit takes nothing"},
      {"move 1e30 5", "line 1: move needs"},
  };
  for (const Case& c : cases) {
    std::vector<TScriptCommand> commands;
    std::string error;
    EXPECT_FALSE(ParseScript(c.text, commands, error)) << c.text;
    EXPECT_EQ(error.rfind(c.error, 0), 0u) << c.text << " gave " << error;
  }
}

using AppScriptRun = AppFixture;

TEST_F(AppScriptRun, CommandsReachTheGameFrameByFrame) {
  std::vector<TScriptCommand> commands;
  std::string error;
  ASSERT_TRUE(
      ParseScript("move 5 6\nwait 2\nclick 100 200\nkey A\ndrag 0 0 30 60 3\ntype hi\n"
                  "wheel 2\n",
                  commands, error));
  TScriptRunner runner(commands, scratch_.path());
  struct Seen {
    float x, y;
    int left, leftHeld, aHits, aDown;
  };
  std::vector<Seen> seen;
  for (int frame = 0; frame < 12 && !runner.finished(); ++frame) {
    runner.OnFrame();
    UpdateDelta();
    Mouse->update();
    seen.push_back({Mouse->x, Mouse->y, Mouse->leftPressed, Mouse->leftHolded, TakeKeyHits(kKeyA),
                    KeyIsDown(kKeyA) ? 1 : 0});
  }
  ASSERT_TRUE(runner.finished());
  ASSERT_GE(seen.size(), 9u);
  EXPECT_EQ(seen[0].x, 5.0f);  // move, then wait 2: frames 0 and 1 pass
  EXPECT_EQ(seen[0].left, 0);
  EXPECT_EQ(seen[2].x, 100.0f);  // the click: pressed on this frame...
  EXPECT_EQ(seen[2].left, 1);
  EXPECT_EQ(seen[2].leftHeld, 1);
  EXPECT_EQ(seen[3].leftHeld, 0);  // ...released on the next, when the key goes down
  EXPECT_EQ(seen[3].aHits, 1);
  EXPECT_EQ(seen[3].aDown, 1);
  EXPECT_EQ(seen[4].aDown, 0);  // key released; the drag starts at (0, 0)
  EXPECT_EQ(seen[4].x, 0.0f);
  EXPECT_EQ(seen[4].left, 1);
  EXPECT_EQ(seen[5].x, 10.0f);
  EXPECT_EQ(seen[7].y, 60.0f);  // arrived after 3 frames, still held
  EXPECT_EQ(seen[7].leftHeld, 1);
  EXPECT_EQ(seen[8].leftHeld, 0);
  EXPECT_EQ(TakeTypedChar(), 'h');
  EXPECT_EQ(TakeTypedChar(), 'i');
  EXPECT_EQ(Mouse->z, 2.0f);
}

TEST_F(AppScriptRun, FailedShotIsAnErrorOfItsLine) {
  std::vector<TScriptCommand> commands;
  std::string error;
  ASSERT_TRUE(ParseScript("wait 1\nshot /nonexistent/folder/x.png\n", commands, error));
  TScriptRunner runner(commands, "");
  runner.OnFrame();
  runner.OnFrame();
  EXPECT_EQ(runner.error().rfind("line 2: cannot write the screenshot", 0), 0u) << runner.error();
}

TEST_F(AppScriptRun, QuitEndsAtOnceAndStateDumpsAreWritten) {
  std::vector<TScriptCommand> commands;
  std::string error;
  ASSERT_TRUE(ParseScript("state dump.txt\nquit\nwait 100\n", commands, error));
  TScriptRunner runner(commands, scratch_.path());
  runner.OnFrame();
  EXPECT_TRUE(runner.finished());
  std::string dump = testing_support::ReadFile(scratch_ / "dump.txt");
  EXPECT_NE(dump.find("state {"), std::string::npos) << dump;
  EXPECT_NE(dump.find("\tframe = "), std::string::npos) << dump;
  EXPECT_NE(dump.find("\twhere = "), std::string::npos) << dump;
}
