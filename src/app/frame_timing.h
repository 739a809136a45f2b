// Frame timing and the mouse: every moving thing advances by FrameDelta (this frame's time in
// 1/60 s units), and clicks reach the game only through Mouse, sampled once per frame.
#pragma once

#include <vector>

#include "app/records.h"

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

  // Every timer enters the class-level list of all timers; Destroy (and the destructor) leave it.
  TDeltaTime();
  virtual ~TDeltaTime();
  virtual int Destroy();
  static TDeltaTime* Create(float fps);
  static const std::vector<TDeltaTime*>& AllTimers();
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

// Per-frame CPU figures for --stats: FlipFrame measures the time since the previous frame was
// presented (update and draw) and the presentation itself, without the harness's own work.
struct TFrameCost {
  long long updateDrawNs = 0;
  long long presentNs = 0;
};
// Called after every presented frame of FlipFrame with that frame's costs (null: nothing).
void SetFrameCostSink(void (*sink)(const TFrameCost&));
// Time spent in the harness during the current present, subtracted from the present's cost.
void AddHarnessNanoseconds(long long ns);
