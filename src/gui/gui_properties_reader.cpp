// Turning the entries of a .gui block into property records: the keyword table, state blocks,
// state references to property classes, and the defaults of an object's standard record.
#include "gui/gui.h"
#include "gui/gui_strings.h"
#include "gui/property_values.h"
#include "textdata/numbers.h"

std::shared_ptr<TProperties> TGui::ReadPropertiesOnly(const TGuiEntryList& entries) {
  auto p = std::make_shared<TProperties>();
  for (const auto& e : entries) {
    if (dynamic_cast<const TGuiBlock*>(e.get())) continue;
    const std::string& n = e->name;
    const std::string& v = e->value;
    if (n == "PROPCLASS") {
      if (TProperties* cls = GetPropertiesClass(v)) p->copyFromProperties(*cls);
    } else if (n == "GFX") {
      p->img = GetObjectGFX(v);
    } else if (n == "POSITION") {
      p->dim = GetObjectDim(v);
    } else if (n == "ADDDIM") {
      p->addDim = GetObjectDim(v);
    } else if (n == "TEXTADDDIM") {
      p->textAddDim = GetObjectDim(v);
    } else if (n == "RGB") {
      p->rgb = GetObjectRGB(v);
    } else if (n == "TEXTRGB") {
      p->tRgb = GetObjectRGB(v);
    } else if (n == "TEXTOUTLINE") {
      p->outRgb = GetObjectRGB(v);
    } else if (n == "ALPHA") {
      p->alpha = CreateAlpha(TextToFloat(v));
    } else if (n == "TEXTALPHA") {
      p->tAlpha = CreateAlpha(TextToFloat(v));
    } else if (n == "SCALE") {
      if (auto s = GetObjectScaleData(v)) p->scale = s;
    } else if (n == "TEXTSCALE") {
      if (auto s = GetTextScaleData(v)) p->tScale = s;
    } else if (n == "TXT") {
      p->txt = GetObjectTextData(v);
    } else if (n == "FONT") {
      p->font = GetObjectFontData(v);
    } else if (n == "STEPDELTA") {
      p->stepP = TextToFloat(v);
    } else if (n == "LUAONCLICK") {
      p->onClick = v;
    } else if (n == "LUAONOVER") {
      p->onOver = v;
    } else if (n == "ALIGN") {
      p->dimAlign = GetObjectAlign(v);
    } else if (n == "PINTO") {
      p->pinToString = v;
    } else if (n == "SHADOW") {
      GetObjectShadowData(v);
    }
  }
  return p;
}

std::vector<std::shared_ptr<TProperties>> TGui::ReadProperties(const TGuiEntryList& entries) {
  std::vector<std::shared_ptr<TProperties>> list;
  std::shared_ptr<TProperties> standard = ReadPropertiesOnly(entries);
  standard->action = kActionStandard;
  list.push_back(standard);
  for (const auto& e : entries) {
    if (auto* block = dynamic_cast<const TGuiBlock*>(e.get())) {
      std::shared_ptr<TProperties> state = ReadPropertiesOnly(block->entrys);
      state->action = ActionByName(block->name);
      list.push_back(state);
    } else if (e->name == "OVER" || e->name == "CLICK" || e->name == "UNACTIVE") {
      addPropertiesClassToList(list, *e, ActionByName(e->name));
    }
  }
  return list;
}

int TGui::addPropertiesClassToList(std::vector<std::shared_ptr<TProperties>>& list,
                                   const TGuiEntry& entry, int action) {
  TProperties* cls = GetPropertiesClass(entry.value);
  if (!cls) {
    GuiError("Couldn't find properties class '" + entry.value + "'!");
    return 0;
  }
  std::shared_ptr<TProperties> state = CloneProperties(cls);
  state->action = action;
  list.push_back(state);
  return 1;
}

TProperties* TGui::GetPropertiesClass(const std::string& name) {
  std::string key = ToUpperCase(name);
  for (auto& cls : propClasses)
    if (ToUpperCase(cls->id) == key) return cls.get();
  return nullptr;
}

int TGui::CheckStandardData(TProperties& p) {
  if (!p.rgb) p.rgb = CreateRGB(255, 255, 255);
  if (!p.scale) p.scale = CreateScale(1, 1);
  if (!p.alpha) p.alpha = CreateAlpha(1);
  if (!p.addDim) p.addDim = CreateDim(0, 0);
  if (!p.txt.empty()) {
    if (!p.tScale) p.tScale = CreateScale(1, 1);
    if (!p.tAlpha) p.tAlpha = CreateAlpha(1);
    if (!p.tRgb) p.tRgb = CreateRGB(255, 255, 255);
  }
  return 0;
}
