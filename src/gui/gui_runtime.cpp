// The runtime of a loaded GUI: per-frame update and drawing, and what screens ask of it.
#include "gui/gui.h"
#include "gui/gui_strings.h"
#include "media/media.h"

int TGui::update() {
  if (!visible) return 0;
  over = nullptr;
  click = nullptr;
  holded = nullptr;
  if (locked) return 0;
  for (auto& obj : objects) {
    obj->update();
    // Later objects win: they are also the ones drawn on top.
    if (obj->over) over = obj.get();
    if (obj->clicked) click = obj.get();
  }
  return 0;
}

int TGui::draw() {
  if (!visible) return 0;
  for (auto& obj : objects) obj->draw();
  return 0;
}

int TGui::setGuiAlpha(float a) {
  for (auto& obj : objects) obj->alpha = a;
  return 0;
}

int TGui::clickedItem(const std::string& name) {
  return click && ToUpperCase(click->id) == ToUpperCase(name) ? 1 : 0;
}

int TGui::overItem(const std::string& name) {
  return over && ToUpperCase(over->id) == ToUpperCase(name) ? 1 : 0;
}

TGuiObject* TGui::GetObject(const std::string& name) {
  std::string key = ToUpperCase(name);
  for (auto& obj : objects)
    if (ToUpperCase(obj->id) == key) return obj.get();
  return nullptr;
}

int TGui::VectorMe(float dx, float dy, float t) {
  for (auto& obj : objects) obj->VectorMe(dx, dy, t);
  return 0;
}

int TGui::show() {
  visible = 1;
  return 0;
}

int TGui::hide() {
  visible = 0;
  return 0;
}

int TGui::Lock() {
  locked = 1;
  return 0;
}

int TGui::Unlock() {
  locked = 0;
  return 0;
}

int TGui::setLuaUpdate(int flag) {
  mustUpdateLua = flag;
  return 0;
}

int TGui::printObjects() {
  for (auto& obj : objects) PrintLine("ob.id = " + obj->id);
  return 0;
}

int TGui::clear() {
  return 0;
}

int TGui::SetObjectState(const std::string& name, int visibleFlag, int activeFlag) {
  TGuiObject* obj = GetObject(name);
  if (!obj) {
    if (reportedMissing_.insert(ToUpperCase(name)).second)
      GuiError("No object '" + name + "' in '" + myPath + "'!");
    return 0;
  }
  return obj->SetState(visibleFlag, activeFlag);
}

int SetGuiObjectState(TGui* gui, const std::string& name, int visibleFlag, int activeFlag) {
  return gui ? gui->SetObjectState(name, visibleFlag, activeFlag) : 0;
}
