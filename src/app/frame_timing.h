// Frame timing and the mouse: every moving thing advances by FrameDelta (this frame's time in
// 1/60 s units), and clicks reach the game only through Mouse, sampled once per frame.
#pragma once

#include "gui/records.h"

class TDeltaTime {
 public:
  int OldTime = 0;
  int ElapsedTime = 0;
  float dFps = 0;
  float dDelta = 0;
  int CurrFps = 0;
  int FPSCounter = 0;
  int CurrTime = 0;
  int CheckTime = 0;

  virtual ~TDeltaTime() = default;
  static TDeltaTime* Create(float fps);
  virtual int Update();
  virtual int FPS();
  virtual float CurrDelta();
  virtual int SetFPS(float fps);
};

class TMouse {
 public:
  int leftPressed = 0, rightPressed = 0, midPressed = 0;
  int leftHolded = 0, rightHolded = 0, midHolded = 0;
  int leftTime = 0, byloLeft = 0;
  float x = 0, y = 0;
  float vx = 0, vy = 0;
  float z = 0;
  float vz = 0;

  virtual ~TMouse() = default;
  virtual int clear();
  virtual int update();
  virtual int draw();
  virtual int inDim(const TDim& d);
  virtual int inRect(float x, float y, float w, float h);
};

extern TDeltaTime* Delta;
extern float FrameDelta;
extern TMouse* Mouse;

int UpdateDelta();
int FlipFrame(int drawCursor);
int SetVirtualScreen(float width, float height, int mode);
float VirtualMouseX();
float VirtualMouseY();
