// The Lua 5.1 host of GUI scripts.
#include "gui/lua_host.h"

#include <lua5.1/lua.hpp>

#include "gui/gui_strings.h"
#include "media/media.h"

namespace {

lua_State* gLua = nullptr;

std::string PopMessage(lua_State* L) {
  const char* msg = lua_tostring(L, -1);
  std::string out = msg ? msg : "(error object is not a string)";
  lua_pop(L, 1);
  return out;
}

// Prints "ERROR" and the message when the protected call failed.
void CallProtected(lua_State* L, int nargs) {
  if (lua_pcall(L, nargs, 0, 0) != 0) {
    std::string message = PopMessage(L);
    PrintLine("ERROR");
    PrintLine(message);
    GuiProblem("script error: " + message);
  }
}

}  // namespace

lua_State* GuiLuaState() {
  if (!gLua) {
    gLua = luaL_newstate();
    if (gLua) luaL_openlibs(gLua);
  }
  return gLua;
}

TLuaObject::~TLuaObject() {
  if (gLua) luaL_unref(gLua, LUA_REGISTRYINDEX, envRef_);
}

std::shared_ptr<TLuaObject> CreateLuaObject(const std::string& text, const std::string& chunkName) {
  lua_State* L = GuiLuaState();
  if (!L) {
    PrintLine("Error loading script :");
    PrintLine("the script interpreter could not be started");
    return nullptr;
  }
  int top = lua_gettop(L);
  if (luaL_loadbuffer(L, text.data(), text.size(), ("@" + chunkName).c_str()) != 0) {
    std::string message = PopMessage(L);
    PrintLine("Error loading script :");
    PrintLine(message);
    GuiProblem("script does not compile: " + message);
    lua_settop(L, top);
    return nullptr;
  }
  // The environment: names the script sets stay in it, others are looked up in the globals.
  lua_newtable(L);  // chunk env
  lua_newtable(L);  // chunk env meta
  lua_pushvalue(L, LUA_GLOBALSINDEX);
  lua_setfield(L, -2, "__index");
  lua_setmetatable(L, -2);  // chunk env
  lua_pushvalue(L, -1);
  lua_setfield(L, -2, "self");
  lua_newtable(L);
  lua_setfield(L, -2, "super");
  lua_pushvalue(L, -1);  // chunk env env
  int envRef = luaL_ref(L, LUA_REGISTRYINDEX);
  lua_setfenv(L, -2);  // chunk
  auto object = std::make_shared<TLuaObject>(envRef);

  CallProtected(L, 0);
  lua_rawgeti(L, LUA_REGISTRYINDEX, envRef);
  lua_getfield(L, -1, "start");
  if (lua_isfunction(L, -1)) {
    CallProtected(L, 0);
  } else {
    lua_pop(L, 1);
  }
  lua_settop(L, top);
  return object;
}
