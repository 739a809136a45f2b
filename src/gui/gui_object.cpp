// GUI objects: size, placement, pinning, sliding, the pointer update and the state transition.
#include "gui/gui_object.h"

#include <cmath>
#include <numbers>

#include "app/frame_timing.h"

namespace {

float AddX(const TProperties* p) {
  return p && p->addDim ? p->addDim->x : 0.0f;
}
float AddY(const TProperties* p) {
  return p && p->addDim ? p->addDim->y : 0.0f;
}
float DimX(const TProperties* p) {
  return p && p->dim ? p->dim->x : 0.0f;
}
float DimY(const TProperties* p) {
  return p && p->dim ? p->dim->y : 0.0f;
}

}  // namespace

int TGuiObject::VectorMe(float dx, float dy, float t) {
  if (!wasRemembered) {
    startCX = dim.cx;
    startCY = dim.cy;
    wasRemembered = 1;
  }
  dim.cx = startCX + dx * (1 - t);
  dim.cy = startCY + dy * (1 - t);
  return 0;
}

int TGuiObject::SetState(int visibleFlag, int activeFlag) {
  visible = visibleFlag;
  active = activeFlag;
  return 0;
}

int TGuiObject::_InitPosByAlign() {
  if (!pinTo || !standardProps) return 0;
  const TDim& t = pinTo->dim;
  float ax = AddX(standardProps.get());
  float ay = AddY(standardProps.get());
  switch (standardProps->dimAlign) {
    case 1:  // left
      dim.x = t.x + ax;
      dim.y = t.y + t.h / 2 - dim.h / 2 + ay;
      break;
    case 2:  // up
      dim.x = t.x + t.w / 2 - dim.w / 2 + ax;
      dim.y = t.y + ay;
      break;
    case 3:  // down
      dim.x = t.x + t.w / 2 - dim.w / 2 + ax;
      dim.y = t.y + t.h - dim.h + ay;
      break;
    case 4:  // right
      dim.x = t.x + t.w - dim.w + ax;
      dim.y = t.y + t.h / 2 - dim.h / 2 + ay;
      break;
    default:
      break;
  }
  return 0;
}

int TGuiObject::_InitPosition() {
  const TProperties* s = standardProps.get();
  if (!s) return 0;
  if (s->dimAlign == 0) {
    dim.x = DimX(s) + AddX(s);
    dim.y = DimY(s) + AddY(s);
    if (pinTo) {
      // One level only: the target's own pin offset does not count.
      const TProperties* ts = pinTo->standardProps.get();
      dim.x += DimX(ts) + AddX(ts);
      dim.y += DimY(ts) + AddY(ts);
    }
  } else if (pinTo) {
    _InitPosByAlign();
  }
  return 0;
}

int TGuiObject::_InitDimByImg() {
  TImg* img = standardProps ? standardProps->img.get() : nullptr;
  dim.w = ImgWidth(img);
  dim.h = ImgHeight(img);
  return 0;
}

int TGuiObject::_InitDimByTxt() {
  if (!standardProps) return 0;
  if (standardProps->font) SetTextFont(standardProps->font);
  dim.w = static_cast<float>(TextWidthOf(standardProps->txt));
  dim.h = static_cast<float>(FontLineHeight());
  return 0;
}

int TGuiObject::InitDim() {
  if (dim.w != 0 || !standardProps) return 0;
  if (standardProps->img) {
    _InitDimByImg();
  } else if (!standardProps->txt.empty()) {
    _InitDimByTxt();
  }
  return 0;
}

int TGuiObject::InitObject() {
  _InitPosition();
  dim.cx = dim.x + dim.w / 2;
  dim.cy = dim.y + dim.h / 2;
  return 0;
}

int TGuiObject::PinMeTo(TGuiObject* target) {
  if (!target) return 0;
  pinTo = target;
  target->objects.push_back(this);
  InitObject();
  return 0;
}

TProperties* TGuiObject::GetPropertiesByAction(int action) {
  for (auto& p : properties)
    if (p && p->action == action) return p.get();
  return nullptr;
}

TProperties* TGuiObject::GetPropertiesByActionString(const std::string&) {
  return nullptr;
}

int TGuiObject::_updateOver() {
  if (!active || !Mouse) return 0;
  int wasHeld = holded;
  clicked = 0;
  over = 0;
  holded = 0;
  if (Mouse->inDim(dim)) {
    over = 1;
    if (docProps) lastAction = docProps->action;
    TProperties* state = nullptr;
    if (Mouse->leftHolded || Mouse->leftPressed) {
      state = GetPropertiesByAction(kActionClick);
      holded = 1;
    } else {
      state = GetPropertiesByAction(kActionOver);
    }
    docProps = FindShared(state);
    if (docProps && docProps->action != lastAction) per = 0;
    dPer = 1;
  } else {
    dPer = 0;
    actProps = standardProps;
  }
  // Released over the object, or dragged off it while held: either completes the click.
  if (wasHeld && !holded) clicked = 1;
  return 0;
}

int TGuiObject::_updatePer() {
  float step = stepDelta * FrameDelta;
  if (per < dPer) {
    per += step;
    if (per > dPer) per = dPer;
  } else if (per > dPer) {
    per -= step;
    if (per < dPer) per = dPer;
  }
  // Damaged "STEPDELTA" values (negative, huge) must not push the progress out of its range.
  if (!(per >= 0)) per = 0;
  if (per > 1) per = 1;
  stepPer = std::sin(per * std::numbers::pi_v<float> / 2);
  if (dPer == 0 && per == 0) docProps = nullptr;
  return 0;
}

int TGuiObject::update() {
  _updateOver();
  _updatePer();
  return 0;
}

std::shared_ptr<TProperties> TGuiObject::FindShared(const TProperties* p) const {
  if (!p) return nullptr;
  for (auto& q : properties)
    if (q.get() == p) return q;
  return nullptr;
}
