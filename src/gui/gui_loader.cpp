// Loading a .gui file: the tokenizer, the entry reader and the top-level declarations.
#include <string>

#include "app/globals.h"
#include "gui/atlas_description.h"
#include "gui/gui.h"
#include "gui/gui_strings.h"
#include "media/media.h"

namespace {

// Makes the .gui file's folder the working folder for as long as it lives, so that relative paths
// inside the file (pictures, fonts, scripts, text references) resolve against it; the previous
// working folder comes back on every way out, errors included.
class WorkingFolderScope {
 public:
  WorkingFolderScope(const std::string& guiPath, std::string& remPath) {
    remPath = AbsolutePath(CurrentFolder());
    previous_ = remPath;
    std::string folder = FolderOfPath(guiPath);
    if (!folder.empty() && !ChangeFolder(folder))
      GuiError("Couldn't enter the folder '" + folder + "' of '" + guiPath + "'!");
  }
  ~WorkingFolderScope() { ChangeFolder(previous_); }
  WorkingFolderScope(const WorkingFolderScope&) = delete;
  WorkingFolderScope& operator=(const WorkingFolderScope&) = delete;

 private:
  std::string previous_;
};

}  // namespace

TGui* LoadGui(const std::string& path) {
  TGui* gui = new TGui();
  gui->LoadMe(path);
  return gui;
}

int TGui::LoadMe(const std::string& rawPath) {
  std::string path = ReplaceAll(rawPath, "#LANG#", Language);
  ReadStatus status = ReadStatus::Ok;
  std::string text = ReadBytesAsText(path, &status);
  if (status != ReadStatus::Ok) {
    GuiError("Couldn't open GUI file '" + path + "'!");
    return 0;
  }
  WorkingFolderScope scope(path, remPath);
  myPath = path;
  parseTokens(text);
  readObjects();
  return 0;
}

int TGui::parseTokens(const std::string& text) {
  tokens.clear();
  line = 1;
  txt.clear();
  quote = 0;
  for (char c : text) {
    switch (c) {
      case ' ':
        if (quote)
          txt += ' ';
        else
          AddToken();
        break;
      case '\n':
        if (!quote) AddToken();
        ++line;
        break;
      case ';':
        if (!quote) AddToken();
        break;
      case '"':
        quote = quote ? 0 : 1;
        break;
      default:
        txt += c;
        break;
    }
  }
  // Whatever follows the last separator is never closed: the file format has always lost it.
  txt.clear();
  quote = 0;
  return 0;
}

int TGui::AddToken() {
  std::string trimmed = TrimLowCodes(txt);
  if (trimmed.empty() || quote) return 0;
  tokens.push_back(TGuiTOken{line, trimmed});
  txt.clear();
  return 0;
}

std::unique_ptr<TGuiEntryList> TGui::readEntrys() {
  auto result = std::make_unique<TGuiEntryList>();
  int state = 0;
  std::string pending;
  while (!tokens.empty()) {
    TGuiTOken tok = std::move(tokens.front());
    tokens.pop_front();
    if (tok.txt == "}") return result;
    if (state == 0) {
      pending = ToUpperCase(tok.txt);
      state = 1;
    } else if (state == 1) {
      if (tok.txt == "=") {
        state = 2;
      } else if (tok.txt == "{") {
        auto block = std::make_shared<TGuiBlock>();
        block->name = pending;
        std::unique_ptr<TGuiEntryList> inner;
        if (depth_ >= kMaxGuiBlockDepth) {
          GuiError("Blocks nested deeper than " + std::to_string(kMaxGuiBlockDepth) +
                   " levels in line " + std::to_string(tok.line) + "!");
        } else {
          ++depth_;
          inner = readEntrys();
          --depth_;
        }
        if (!inner) {
          GuiError("Not enough tokens in line " + std::to_string(tok.line) + "!");
          return nullptr;
        }
        block->entrys = std::move(*inner);
        result->push_back(block);
        state = 0;
      } else {
        GuiError("Expected '=' or '{' but " + tok.txt + " found in line " +
                 std::to_string(tok.line) + "!");
        return nullptr;
      }
    } else {
      auto entry = std::make_shared<TGuiEntry>();
      entry->name = pending;
      entry->value = tok.txt;
      result->push_back(entry);
      state = 0;
    }
  }
  return nullptr;
}

int TGui::readObjects() {
  while (!tokens.empty()) {
    std::string keyword = ToUpperCase(tokens.front().txt);
    tokens.pop_front();
    if (keyword == "OBJECT")
      addObject();
    else if (keyword == "PROPCLASS")
      addPropClass();
    else if (keyword == "LUASCRIPT")
      addScript();
  }
  for (auto& obj : objects) obj->InitObject();
  // Pins are resolved only now, so an object may be pinned to one declared after it.
  for (auto& obj : objects) {
    const std::string& target = obj->standardProps->pinToString;
    if (!target.empty()) obj->PinMeTo(GetObject(target));
  }
  return 0;
}

int TGui::addObject() {
  if (tokens.size() <= 2) {
    GuiError("Not enough tokens in object declaration!");
    return 0;
  }
  std::string name = ToUpperCase(tokens.front().txt);
  tokens.pop_front();
  tokens.pop_front();  // stands for "{"
  std::unique_ptr<TGuiEntryList> entries = readEntrys();
  if (!entries) {
    GuiError("No data for object '" + name + "'!");
    return 0;
  }
  std::vector<std::shared_ptr<TProperties>> records = ReadProperties(*entries);
  std::shared_ptr<TProperties> standard = records.front();
  CheckStandardData(*standard);
  auto obj = std::make_shared<TGuiObject>();
  obj->standardProps = standard;
  obj->actProps = standard;
  obj->properties.assign(records.begin() + 1, records.end());
  obj->stepDelta = standard->stepP;
  obj->id = name;
  obj->InitDim();
  objects.push_back(obj);
  return 0;
}

int TGui::addPropClass() {
  if (tokens.size() <= 2) return 0;
  std::string name = tokens.front().txt;
  tokens.pop_front();
  tokens.pop_front();  // stands for "{"
  std::unique_ptr<TGuiEntryList> entries = readEntrys();
  if (!entries) return 0;
  std::vector<std::shared_ptr<TProperties>> records = ReadProperties(*entries);
  records.front()->id = name;
  propClasses.push_back(records.front());
  return 0;
}

int TGui::addScript() {
  if (tokens.size() <= 2) return 0;
  std::string path = StripQuotes(tokens.front().txt);
  tokens.pop_front();
  ReadStatus status = ReadStatus::Ok;
  std::string text = ReadBytesAsText(path, &status);
  if (status != ReadStatus::Ok) {
    GuiError("Couldn't open script file '" + path + "'!");
    luaObject = nullptr;
    return 0;
  }
  luaObject = CreateLuaObject(text, path);
  return 0;
}
