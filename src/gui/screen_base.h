// TEkran: the base of every screen. A screen owns its frame loop; this base holds what all of
// them share (an optional GUI, content opacity, the black fade overlay, the result) and moves
// those values frame by frame.
#pragma once

#include "app/screens_on_show.h"

class TGui;

class TEkran {
 public:
  int id = 0;
  TGui* gui = nullptr;
  float alpha = 1.0f;
  float dAlpha = 1.0f;
  float aSpeed = 0.05f;
  float fade = 0.0f;
  float dFade = 0.0f;
  float fSpeed = 0.05f;
  int wynik = 0;
  int _exit = 0;
  int showMe = 0;

  TEkran() = default;
  virtual ~TEkran() = default;
  virtual int setup();
  virtual int _drawFade();
  virtual int _drawGui();
  virtual int draw();
  virtual int _updateAlpha();
  virtual int _updateFade();
  virtual int _updateGui();
  virtual int _updateControl();
  virtual int update();
  virtual int _prepareDelta();
  // The name shown in the harness's state dump.
  virtual const char* screenName() const { return "TEkran"; }
};

// Moves value toward target by step * FrameDelta without overshooting.
float Approach(float value, float target, float step);

// The screens on show, outermost first: every screen loop holds one of these while it runs, so
// the harness can name the screen on show (a modal screen over its caller included).
class TScreenOnShow {
 public:
  explicit TScreenOnShow(TEkran* screen);
  ~TScreenOnShow();
  TScreenOnShow(const TScreenOnShow&) = delete;
  TScreenOnShow& operator=(const TScreenOnShow&) = delete;
};
// The innermost screen on show; null outside every screen loop. Their names, outermost first,
// come from ScreensOnShowNames (app/screens_on_show.h).
TEkran* ScreenOnShow();
