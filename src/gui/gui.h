// TGui: one screen's set of GUI objects, loaded from a .gui file (tokens, entries and blocks,
// "OBJECT", "PROPCLASS" and "LUASCRIPT" declarations), then updated and drawn once per frame;
// screens ask it which named object was clicked or is under the pointer.
#pragma once

#include <deque>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "gui/gui_object.h"
#include "gui/lua_host.h"
#include "gui/properties.h"

struct TGuiTOken {
  int line = 0;     // the line at which the token ended
  std::string txt;  // trimmed, never empty, without double quotes
};

class TGuiEntry {
 public:
  std::string name;  // upper-case
  std::string value;
  virtual ~TGuiEntry() = default;
};

class TGuiBlock : public TGuiEntry {
 public:
  std::vector<std::shared_ptr<TGuiEntry>> entrys;
};

using TGuiEntryList = std::vector<std::shared_ptr<TGuiEntry>>;

// Blocks nested deeper than this are abandoned like a block that failed to read.
constexpr int kMaxGuiBlockDepth = 64;

class TGui {
 public:
  std::vector<std::shared_ptr<TGuiObject>>
      objects;  // declaration order: update, draw and hit order
  std::vector<std::shared_ptr<TProperties>> propClasses;
  std::deque<TGuiTOken> tokens;
  std::string txt;
  int line = 0;
  int quote = 0;
  std::string myPath;
  std::string remPath;
  std::shared_ptr<TLuaObject> luaObject;

  TGuiObject* over = nullptr;
  TGuiObject* click = nullptr;
  TGuiObject* holded = nullptr;
  int visible = 1;
  std::string id;
  int mustUpdateLua = 0;
  int locked = 0;

  virtual ~TGui() = default;

  // --- loading ---
  virtual int LoadMe(const std::string& path);
  virtual int parseTokens(const std::string& text);
  virtual int AddToken();
  // The entries up to and including the closing "}", or nothing when the block cannot be read.
  virtual std::unique_ptr<TGuiEntryList> readEntrys();
  virtual int readObjects();
  virtual int addObject();
  virtual int addPropClass();
  virtual int addScript();

  // --- property records ---
  virtual std::shared_ptr<TProperties> ReadPropertiesOnly(const TGuiEntryList& entries);
  virtual std::vector<std::shared_ptr<TProperties>> ReadProperties(const TGuiEntryList& entries);
  virtual int addPropertiesClassToList(std::vector<std::shared_ptr<TProperties>>& list,
                                       const TGuiEntry& entry, int action);
  virtual TProperties* GetPropertiesClass(const std::string& name);
  virtual int CheckStandardData(TProperties& p);

  // --- runtime ---
  virtual int update();
  virtual int draw();
  virtual int setGuiAlpha(float a);
  virtual int clickedItem(const std::string& name);
  virtual int overItem(const std::string& name);
  virtual TGuiObject* GetObject(const std::string& name);
  virtual int VectorMe(float dx, float dy, float t);
  virtual int show();
  virtual int hide();
  virtual int Lock();
  virtual int Unlock();
  virtual int setLuaUpdate(int flag);
  virtual int printObjects();
  virtual int clear();

  // GetObject(name).SetState(visible, active) for an object that may be missing: nothing happens
  // then, and the missing name is reported once.
  int SetObjectState(const std::string& name, int visibleFlag, int activeFlag);

 private:
  int depth_ = 0;  // nesting of readEntrys
  std::set<std::string> reportedMissing_;
};

// A new GUI loaded from the file (the caller owns it). A missing file gives a GUI without objects.
TGui* LoadGui(const std::string& path);
// The same safe SetState for a screen whose GUI may be absent.
int SetGuiObjectState(TGui* gui, const std::string& name, int visibleFlag, int activeFlag);
