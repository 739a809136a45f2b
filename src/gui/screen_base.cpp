#include "gui/screen_base.h"

#include "app/frame_timing.h"
#include "gui/gui.h"
#include "media/media.h"

namespace {
std::vector<TEkran*> screensOnShow;
}

float Approach(float value, float target, float step) {
  float d = FrameDelta;
  if (value < target) {
    value = value + step * d;
    if (value > target) value = target;
  }
  if (value > target) {
    value = value - step * d;
    if (value < target) value = target;
  }
  return value;
}

int TEkran::setup() {
  return 0;
}

int TEkran::_drawFade() {
  SetDrawColour(0, 0, 0);
  SetBlendMode(kBlendAlpha);
  SetDrawAlpha(fade);
  SetDrawScale(1, 1);
  SetDrawRotation(0);
  FillRect(0, 0, 1024, 768);
  SetDrawColour(255, 255, 255);
  return 0;
}

int TEkran::_drawGui() {
  if (gui != nullptr) gui->draw();
  return 0;
}

int TEkran::draw() {
  return 0;
}

int TEkran::_updateAlpha() {
  alpha = Approach(alpha, dAlpha, aSpeed);
  return 0;
}

int TEkran::_updateFade() {
  fade = Approach(fade, dFade, fSpeed);
  return 0;
}

int TEkran::_updateGui() {
  if (gui == nullptr) return 0;
  gui->setGuiAlpha(alpha);
  gui->update();
  return 0;
}

int TEkran::_updateControl() {
  return 0;
}

int TEkran::update() {
  return 0;
}

int TEkran::_prepareDelta() {
  for (int i = 0; i < 101; ++i) UpdateDelta();
  return 0;
}

TScreenOnShow::TScreenOnShow(TEkran* screen) {
  screensOnShow.push_back(screen);
  PushScreenOnShowName(screen ? screen->screenName() : "");
}

TScreenOnShow::~TScreenOnShow() {
  screensOnShow.pop_back();
  PopScreenOnShowName();
}

TEkran* ScreenOnShow() {
  return screensOnShow.empty() ? nullptr : screensOnShow.back();
}
