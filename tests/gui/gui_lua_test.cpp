// The script hook: one interpreter, a chunk run once in its own environment, "start" called in
// protected mode, and the exact report lines of failing scripts.
#include <lua5.1/lua.hpp>

#include <string>

#include "gui/gui_test_support.h"

namespace gui_testing {
namespace {

class GuiLua : public GuiTest {
 protected:
  // Loads a GUI whose script is the given text; returns what the load printed.
  std::string LoadWithScript(const std::string& script, std::unique_ptr<TGui>& gui) {
    Write("s.lua", script);
    testing::internal::CaptureStdout();
    gui = LoadText("LUASCRIPT s.lua\nOBJECT AFTER {\n}\n");
    return testing::internal::GetCapturedStdout();
  }
  // Pushes field name of the script's environment.
  static void PushEnvField(const TLuaObject& obj, const char* name) {
    lua_State* L = GuiLuaState();
    lua_rawgeti(L, LUA_REGISTRYINDEX, obj.envRef());
    lua_getfield(L, -1, name);
    lua_remove(L, -2);
  }
};

TEST_F(GuiLua, ScriptRunsInItsOwnEnvironmentAndStartIsCalled) {
  std::unique_ptr<TGui> gui;
  std::string out = LoadWithScript(
      "count = (count or 0) + 1\n"
      "local up = string.upper('x')\n"
      "function start() started = up .. tostring(self == _G) .. type(super) end\n",
      gui);
  EXPECT_EQ(out, "");
  ASSERT_NE(gui->luaObject, nullptr);
  EXPECT_NE(gui->GetObject("AFTER"), nullptr);
  lua_State* L = GuiLuaState();
  PushEnvField(*gui->luaObject, "started");
  EXPECT_STREQ(lua_tostring(L, -1), "Xfalsetable");
  lua_pop(L, 1);
  // Names the script set stay out of the globals.
  lua_getglobal(L, "count");
  EXPECT_TRUE(lua_isnil(L, -1));
  lua_pop(L, 1);

  // A second GUI with the same script gets a fresh environment in the same interpreter.
  std::unique_ptr<TGui> again;
  LoadWithScript("count = (count or 0) + 1\n", again);
  PushEnvField(*again->luaObject, "count");
  EXPECT_EQ(lua_tointeger(L, -1), 1);
  lua_pop(L, 1);
  EXPECT_EQ(GuiLuaState(), L);
}

TEST_F(GuiLua, ScriptWithoutStartLoadsSilently) {
  std::unique_ptr<TGui> gui;
  EXPECT_EQ(LoadWithScript("x = 1\n", gui), "");
  EXPECT_NE(gui->luaObject, nullptr);
}

TEST_F(GuiLua, SyntaxErrorIsReportedAndTheGuiStillLoads) {
  std::unique_ptr<TGui> gui;
  std::string out = LoadWithScript("function start( x = \n", gui);
  EXPECT_EQ(out.rfind("Error loading script :\n", 0), 0u) << out;
  EXPECT_NE(out.find("s.lua:1:"), std::string::npos) << out;
  EXPECT_EQ(out.back(), '\n');
  EXPECT_EQ(gui->luaObject, nullptr);
  EXPECT_NE(gui->GetObject("AFTER"), nullptr);
}

TEST_F(GuiLua, RuntimeErrorsInChunkAndStartAreReported) {
  std::unique_ptr<TGui> gui;
  std::string out = LoadWithScript("function start() error('boom') end\n", gui);
  EXPECT_EQ(out.rfind("ERROR\n", 0), 0u) << out;
  EXPECT_NE(out.find("boom"), std::string::npos) << out;
  EXPECT_NE(gui->luaObject, nullptr);

  out = LoadWithScript("local t = nil\nt.x = 1\n", gui);
  EXPECT_EQ(out.rfind("ERROR\n", 0), 0u) << out;
  EXPECT_NE(gui->GetObject("AFTER"), nullptr);
}

TEST_F(GuiLua, MissingScriptGivesNoObject) {
  testing::internal::CaptureStdout();
  auto gui = LoadText("LUASCRIPT none.lua\nOBJECT A {\n}\n");
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(gui->luaObject, nullptr);
  EXPECT_EQ(out.rfind("ERROR: ", 0), 0u) << out;
  EXPECT_NE(gui->GetObject("A"), nullptr);
}

TEST_F(GuiLua, LaterScriptReplacesEarlierAndShortDeclarationIsSkipped) {
  Write("one.lua", "name = 'one'\n");
  Write("two.lua", "name = 'two'\n");
  auto gui = LoadText("LUASCRIPT one.lua\nLUASCRIPT two.lua\nOBJECT A {\n}\n");
  ASSERT_NE(gui->luaObject, nullptr);
  PushEnvField(*gui->luaObject, "name");
  EXPECT_STREQ(lua_tostring(GuiLuaState(), -1), "two");
  lua_pop(GuiLuaState(), 1);

  // Fewer than two tokens after the path: the declaration is skipped.
  auto shortOne = LoadText("OBJECT A {\n}\nLUASCRIPT one.lua\nx\n");
  EXPECT_EQ(shortOne->luaObject, nullptr);
}

}  // namespace
}  // namespace gui_testing
