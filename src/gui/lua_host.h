// The script hook of .gui files: one Lua 5.1 interpreter for the whole program; each script runs
// once in its own environment table (falling back to the globals) and then has "start" called.
#pragma once

#include <memory>
#include <string>

struct lua_State;

// A script's environment, kept alive in the interpreter's registry for the life of its GUI.
class TLuaObject {
 public:
  explicit TLuaObject(int envRef) : envRef_(envRef) {}
  ~TLuaObject();
  TLuaObject(const TLuaObject&) = delete;
  TLuaObject& operator=(const TLuaObject&) = delete;
  int envRef() const { return envRef_; }

 private:
  int envRef_;
};

// The program's interpreter, created with the standard libraries on first use.
lua_State* GuiLuaState();

// Compiles the text once as one chunk, runs it in a new environment and calls its "start".
// A compile error prints "Error loading script :" and the message and gives none; an error while
// running prints "ERROR" and the message, and the object is still made.
std::shared_ptr<TLuaObject> CreateLuaObject(const std::string& text, const std::string& chunkName);
