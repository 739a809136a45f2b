// Drawing of GUI objects: the image part and the text part, each either one record's look, a
// cross-fade of two pictures or texts, or an interpolation of scale, colour, alpha and offset.
#include <optional>

#include "gui/gui_object.h"
#include "textdata/numbers.h"

namespace {

// A record's value, or the standard record's when the record has none.
template <class T>
const std::optional<T>& Either(const std::optional<T>& own, const std::optional<T>& standard) {
  return own ? own : standard;
}

const std::optional<TScale> kNoScale;
const std::optional<TRGB> kNoRGB;
const std::optional<TAlpha> kNoAlpha;

}  // namespace

// --- image part ------------------------------------------------------------------------------

int TGuiObject::_drawObjectScale(const TProperties* p) {
  const TProperties* s = standardProps.get();
  const auto& sc = Either(p->scale, s ? s->scale : kNoScale);
  if (sc) SetDrawScale(sc->sx * scaleX, sc->sy * scaleY);
  return 0;
}

int TGuiObject::_drawObjectAlpha(const TProperties* p, float f) {
  const TProperties* s = standardProps.get();
  const auto& a = Either(p->alpha, s ? s->alpha : kNoAlpha);
  SetDrawAlpha((a ? a->a : 1.0f) * alpha * f);
  return 0;
}

int TGuiObject::_drawObjectRGB(const TProperties* p) {
  const TProperties* s = standardProps.get();
  const auto& c = Either(p->rgb, s ? s->rgb : kNoRGB);
  if (c) SetColorRGB(*c);
  return 0;
}

int TGuiObject::_drawOnlyProps(const TProperties* p) {
  _drawObjectScale(p);
  _drawObjectAlpha(p, 1);
  _drawObjectRGB(p);
  return 0;
}

int TGuiObject::_drawNormalImages(const TProperties* a, const TProperties* b) {
  TImg* aImg = a->img ? a->img.get() : (standardProps ? standardProps->img.get() : nullptr);
  if (aImg) {
    _drawOnlyProps(a);
    aImg->draw(dim.cx, dim.cy);
  }
  _drawObjectScale(b);
  _drawObjectAlpha(b, stepPer);
  _drawObjectRGB(b);
  b->img->draw(dim.cx, dim.cy);
  return 0;
}

int TGuiObject::_drawProperScale(const TProperties* a, const TProperties* b) {
  const TProperties* s = standardProps.get();
  const auto& as = Either(a->scale, s->scale);
  if (as && b->scale) {
    SetScaleBetween(*as, *b->scale, stepPer);
  } else if (as) {
    SetDrawScale(as->sx * scaleX, as->sy * scaleY);
  } else if (b->scale) {
    SetDrawScale(b->scale->sx * scaleX, b->scale->sy * scaleY);
  } else if (s->scale) {
    SetDrawScale(s->scale->sx * scaleX, s->scale->sy * scaleY);
  }
  return 0;
}

int TGuiObject::_drawProperRGB(const TProperties* a, const TProperties* b) {
  const TProperties* s = standardProps.get();
  const auto& ac = Either(a->rgb, s->rgb);
  if (ac && b->rgb) {
    SetColorRGB(LerpRGB(*ac, *b->rgb, stepPer));
  } else if (ac) {
    SetColorRGB(*ac);
  } else if (b->rgb) {
    SetColorRGB(*b->rgb);
  } else if (s->rgb) {
    SetColorRGB(*s->rgb);
  }
  return 0;
}

int TGuiObject::_drawProperAlpha(const TProperties* a, const TProperties* b) {
  const TProperties* s = standardProps.get();
  const auto& aa = Either(a->alpha, s->alpha);
  float value = 1;
  if (aa && b->alpha) {
    value = Lerp(aa->a, b->alpha->a, stepPer);
  } else if (aa) {
    value = aa->a;
  } else if (b->alpha) {
    value = b->alpha->a;
  } else if (s->alpha) {
    value = s->alpha->a;
  }
  SetDrawAlpha(value * alpha);
  return 0;
}

float TGuiObject::CountXStep(const TProperties* a, const TProperties* b) {
  float ax = a && a->addDim ? a->addDim->x : 0.0f;
  float bx = b && b->addDim ? b->addDim->x : 0.0f;
  return (bx - ax) * stepPer;
}

float TGuiObject::CountYStep(const TProperties* a, const TProperties* b) {
  float ay = a && a->addDim ? a->addDim->y : 0.0f;
  float by = b && b->addDim ? b->addDim->y : 0.0f;
  return (by - ay) * stepPer;
}

int TGuiObject::_drawImageStep(const TProperties* a, const TProperties* b) {
  TImg* aImg = a->img ? a->img.get() : standardProps->img.get();
  _drawProperScale(a, b);
  _drawProperRGB(a, b);
  _drawProperAlpha(a, b);
  aImg->draw(dim.cx + CountXStep(a, b), dim.cy + CountYStep(a, b));
  return 0;
}

int TGuiObject::_drawImage() {
  const TProperties* a = actProps ? actProps.get() : standardProps.get();
  const TProperties* b = docProps.get();
  if (!a) return 0;
  TImg* aImg = a->img ? a->img.get() : standardProps->img.get();
  if (!b) {
    _drawOnlyProps(a);
    if (aImg) {
      float x = dim.cx + (a->addDim ? a->addDim->x : 0.0f);
      float y = dim.cy + (a->addDim ? a->addDim->y : 0.0f);
      aImg->draw(x, y);
    }
  } else if (b->img) {
    _drawNormalImages(a, b);
  } else if (aImg) {
    _drawImageStep(a, b);
  }
  return 0;
}

// --- text part -------------------------------------------------------------------------------

int TGuiObject::_drawMyText(const std::string& s, float x, float y) {
  int halfW = TextWidthOf(s) / 2;
  int halfH = FontLineHeight() / 2;
  DrawTextAt(s, static_cast<float>(TruncToInt(x - static_cast<float>(halfW))),
             static_cast<float>(TruncToInt(y - static_cast<float>(halfH))));
  return 0;
}

int TGuiObject::_drawTextScale(const TProperties* p) {
  const auto& sc = Either(p->tScale, standardProps->tScale);
  if (sc) SetDrawScale(sc->sx * scaleX, sc->sy * scaleY);
  return 0;
}

int TGuiObject::_drawTextAlpha(const TProperties* p, float f) {
  const auto& a = Either(p->tAlpha, standardProps->tAlpha);
  SetDrawAlpha((a ? a->a : 1.0f) * alpha * f);
  return 0;
}

int TGuiObject::_drawTextRGB(const TProperties* p) {
  const auto& c = Either(p->tRgb, standardProps->tRgb);
  if (c) SetColorRGB(*c);
  return 0;
}

int TGuiObject::_drawTextRGBOutline(const TProperties* p) {
  const auto& c = Either(p->outRgb, standardProps->outRgb);
  if (c) SetColorRGB(*c);
  return 0;
}

int TGuiObject::_drawTextFont(const TProperties* p) {
  TImageFont* f = p->font ? p->font : standardProps->font;
  if (f) SetTextFont(f);
  return 0;
}

float TGuiObject::TextX(const TProperties* p) const {
  return dim.cx + (p->addDim ? p->addDim->x : 0.0f) + (p->textAddDim ? p->textAddDim->x : 0.0f);
}

float TGuiObject::TextY(const TProperties* p) const {
  return dim.cy + (p->addDim ? p->addDim->y : 0.0f) + (p->textAddDim ? p->textAddDim->y : 0.0f);
}

void TGuiObject::DrawOutline(const TProperties* p, float x, float y) {
  static const float kOffsets[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
  for (const auto& o : kOffsets) _drawMyText(p->txt, x + o[0], y + o[1]);
}

int TGuiObject::_drawTextPropsOutline(const TProperties* p, const TProperties* q) {
  if (p->txt.empty() || !Either(p->outRgb, standardProps->outRgb)) return 0;
  _drawTextScale(p);
  _drawTextAlpha(p, 1);
  _drawTextRGBOutline(p);
  _drawTextFont(p);
  float dx = q ? CountXStep(p, q) : 0.0f;
  float dy = q ? CountYStep(p, q) : 0.0f;
  DrawOutline(p, TextX(p) + dx, TextY(p) + dy);
  return 0;
}

int TGuiObject::_drawTextProps(const TProperties* p) {
  _drawTextPropsOutline(p, nullptr);
  if (p->txt.empty()) return 0;
  _drawTextScale(p);
  _drawTextAlpha(p, 1);
  _drawTextRGB(p);
  _drawTextFont(p);
  _drawMyText(p->txt, TextX(p), TextY(p));
  return 0;
}

int TGuiObject::_drawNormalTexts(const TProperties* a, const TProperties* b) {
  if (!a->txt.empty()) {
    _drawTextScale(a);
    _drawTextAlpha(a, 1 - stepPer);
    _drawTextRGB(a);
    _drawTextFont(a);
    _drawMyText(a->txt, TextX(a), TextY(a));
  }
  if (b->txt.empty() && a->txt.empty()) return 0;
  _drawTextScale(b);
  _drawTextAlpha(b, stepPer);
  _drawTextRGB(b);
  _drawTextFont(b);
  if (!b->txt.empty()) {
    _drawMyText(b->txt, TextX(b), TextY(b));
  } else {
    _drawMyText(a->txt, TextX(a), TextY(a));
  }
  return 0;
}

int TGuiObject::_drawProperTextScale(const TProperties* a, const TProperties* b) {
  const TProperties* s = standardProps.get();
  const auto& as = Either(a->tScale, s->tScale);
  if (as && b->tScale) {
    SetScaleBetween(*as, *b->tScale, stepPer);
  } else if (as) {
    SetDrawScale(as->sx * scaleX, as->sy * scaleY);
  } else if (b->tScale) {
    SetDrawScale(b->tScale->sx * scaleX, b->tScale->sy * scaleY);
  } else if (s->tScale) {
    SetDrawScale(s->tScale->sx * scaleX, s->tScale->sy * scaleY);
  }
  return 0;
}

int TGuiObject::_drawProperTextRGB(const TProperties* a, const TProperties* b) {
  const TProperties* s = standardProps.get();
  const auto& ac = Either(a->tRgb, s->tRgb);
  if (ac && b->tRgb) {
    SetColorRGB(LerpRGB(*ac, *b->tRgb, stepPer));
  } else if (ac) {
    SetColorRGB(*ac);
  } else if (b->tRgb) {
    SetColorRGB(*b->tRgb);
  } else if (s->tRgb) {
    SetColorRGB(*s->tRgb);
  }
  return 0;
}

int TGuiObject::_drawProperTextAlpha(const TProperties* a, const TProperties* b) {
  const TProperties* s = standardProps.get();
  const auto& aa = Either(a->tAlpha, s->tAlpha);
  float value = 1;
  if (aa && b->tAlpha) {
    value = Lerp(aa->a, b->tAlpha->a, stepPer);
  } else if (aa) {
    value = aa->a;
  } else if (b->tAlpha) {
    value = b->tAlpha->a;
  } else if (s->tAlpha) {
    value = s->tAlpha->a;
  }
  SetDrawAlpha(value * alpha);
  return 0;
}

int TGuiObject::_drawTextStep(const TProperties* a, const TProperties* b) {
  _drawTextPropsOutline(a, b);
  _drawProperTextScale(a, b);
  _drawProperTextRGB(a, b);
  _drawProperTextAlpha(a, b);
  _drawTextFont(a);
  _drawMyText(a->txt, TextX(a) + CountXStep(a, b), TextY(a) + CountYStep(a, b));
  return 0;
}

int TGuiObject::_drawText() {
  const TProperties* a = actProps ? actProps.get() : standardProps.get();
  const TProperties* b = docProps.get();
  if (!a) return 0;
  if (!b) {
    _drawTextProps(a);
  } else if (!b->txt.empty() || b->font) {
    _drawNormalTexts(a, b);
  } else if (!a->txt.empty()) {
    _drawTextStep(a, b);
  }
  return 0;
}

int TGuiObject::draw() {
  if (!visible || !standardProps) return 0;
  SetDrawRotation(0);
  SetBlendMode(kBlendAlpha);
  _drawImage();
  SetDrawColour(255, 255, 255);
  _drawText();
  return 0;
}
