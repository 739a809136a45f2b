// Copying and cloning of property records.
#include "gui/properties.h"

int TProperties::copyFromProperties(const TProperties& src) {
  action = src.action;
  visible = src.visible;
  active = src.active;
  url = src.url;
  fontUrl = src.fontUrl;
  stepP = src.stepP;

  if (!dim) dim = CopyDim(src.dim);
  if (!alpha) alpha = CopyAlpha(src.alpha);
  if (!shadow) shadow = CopyShadow(src.shadow);
  if (!scale) scale = CopyScale(src.scale);
  if (!rgb) rgb = CopyRGB(src.rgb);
  if (!tAlpha) tAlpha = CopyAlpha(src.tAlpha);
  if (!tShadow) tShadow = CopyShadow(src.tShadow);
  if (!tScale) tScale = CopyScale(src.tScale);
  if (!tRgb) tRgb = CopyRGB(src.tRgb);
  if (!outRgb) outRgb = CopyRGB(src.outRgb);
  if (!textAddDim) textAddDim = CopyDim(src.textAddDim);
  if (!img) img = src.img;
  if (!font) font = src.font;
  if (txt.empty()) txt = src.txt;
  if (dimAlign == 0) dimAlign = src.dimAlign;
  return 0;
}

std::shared_ptr<TProperties> CloneProperties(const TProperties* p) {
  if (!p) return nullptr;
  auto out = std::make_shared<TProperties>();
  out->copyFromProperties(*p);
  return out;
}

int ActionByName(const std::string& name) {
  if (name == "OVER") return kActionOver;
  if (name == "CLICK") return kActionClick;
  if (name == "UNACTIVE") return kActionUnactive;
  return kActionStandard;
}
