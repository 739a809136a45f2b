#include "app/frame_timing.h"

#include <algorithm>
#include <cmath>

#include "app/globals.h"
#include "app/settings.h"
#include "media/media.h"
#include "media/os_services.h"

TDeltaTime* Delta = nullptr;
float FrameDelta = 0;
TMouse* Mouse = nullptr;

namespace {

std::vector<TDeltaTime*>& TimerList() {
  static std::vector<TDeltaTime*> timers;
  return timers;
}

// The logical screen: mode 0 (offsets 0) is the only one the game uses.
struct LogicalScreen {
  float offsetX = 0, offsetY = 0;
  float width = 1024, height = 768;
  int mode = 0;
} logical;

void (*frameCostSink)(const TFrameCost&) = nullptr;
long long harnessNs = 0;
long long lastPresentEndNs = -1;

}  // namespace

TDeltaTime::TDeltaTime() {
  TimerList().push_back(this);
}

TDeltaTime::~TDeltaTime() {
  Destroy();
}

int TDeltaTime::Destroy() {
  auto& timers = TimerList();
  timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
  return 0;
}

TDeltaTime* TDeltaTime::Create(float fps) {
  auto* timer = new TDeltaTime();
  timer->SetFPS(fps);
  return timer;
}

const std::vector<TDeltaTime*>& TDeltaTime::AllTimers() {
  return TimerList();
}

int TDeltaTime::Update() {
  CurrTime = MillisecondClock();
  // The clock is monotonic, but a timer that was reset must never see time run backwards.
  ElapsedTime = std::max(0, CurrTime - OldTime);
  OldTime = CurrTime;
  if (CurrTime > CheckTime) {
    CheckTime = CurrTime + 1000;
    CurrFps = FPSCounter;
    FPSCounter = 0;
  } else {
    FPSCounter = FPSCounter + 1;
  }
  return 0;
}

int TDeltaTime::FPS() {
  return CurrFps;
}

float TDeltaTime::CurrDelta() {
  if (dDelta == 0) return 0;
  return static_cast<float>(ElapsedTime) / dDelta;
}

int TDeltaTime::SetFPS(float fps) {
  dFps = fps;
  dDelta = 1000.0f / fps;
  return 0;
}

int TMouse::clear() {
  leftPressed = rightPressed = midPressed = 0;
  leftHolded = rightHolded = midHolded = 0;
  return 0;
}

int TMouse::update() {
  float oldX = x, oldY = y, oldZ = z;
  x = VirtualMouseX();
  y = VirtualMouseY();
  leftPressed = TakeMouseHits(1);
  rightPressed = TakeMouseHits(2);
  midPressed = TakeMouseHits(3);
  leftHolded = MouseButtonIsDown(1) ? 1 : 0;
  rightHolded = MouseButtonIsDown(2) ? 1 : 0;
  midHolded = MouseButtonIsDown(3) ? 1 : 0;
  z = static_cast<float>(MouseWheelPos());
  vx = x - oldX;
  vy = y - oldY;
  vz = z - oldZ;
  return 0;
}

int TMouse::draw() {
  // Without the cursor picture the system cursor stands in, whatever the setting says.
  if (Settings.customCursor != 0 && CursorImage) {
    HideOsCursor();
    SetDrawScale(1, 1);
    SetDrawAlpha(1);
    SetDrawRotation(0);
    SetBlendMode(kBlendAlpha);
    SetDrawColour(255, 255, 255);
    DrawImageAt(CursorImage, x, y);
  } else {
    ShowOsCursor();
  }
  return 0;
}

int TMouse::inDim(const TDim& d) {
  return inRect(d.x, d.y, d.w, d.h);
}

int TMouse::inRect(float rx, float ry, float w, float h) {
  return (rx <= x && x <= rx + w && ry <= y && y <= ry + h) ? 1 : 0;
}

int UpdateDelta() {
  Delta->Update();
  FrameDelta = Delta->CurrDelta();
  PumpEvents();
  return 0;
}

int FlipFrame(int drawCursor) {
  if (drawCursor != 0) {
    Mouse->draw();
  } else {
    HideOsCursor();
  }
  long long start = frameCostSink ? ThreadCpuNanoseconds() : 0;
  harnessNs = 0;
  PresentFrame(-1);
  if (frameCostSink) {
    long long end = ThreadCpuNanoseconds();
    TFrameCost cost;
    cost.updateDrawNs = lastPresentEndNs < 0 ? 0 : start - lastPresentEndNs;
    cost.presentNs = std::max(0LL, end - start - harnessNs);
    frameCostSink(cost);
    lastPresentEndNs = end;
  }
  ClearBackBuffer();
  return 0;
}

int SetVirtualScreen(float width, float height, int mode) {
  if (mode != 1) logical.mode = mode;
  if (logical.mode == 0) {
    logical.offsetX = 0;
    logical.offsetY = 0;
    logical.width = width;
    logical.height = height;
    SetLogicalResolution(width, height);
    SetClipRect(0, 0, std::ceil(width), std::ceil(height));
    SetDrawOrigin(0, 0);
  }
  return 0;
}

float VirtualMouseX() {
  return MouseLogicalX() - logical.offsetX;
}

float VirtualMouseY() {
  return MouseLogicalY() - logical.offsetY;
}

void SetFrameCostSink(void (*sink)(const TFrameCost&)) {
  frameCostSink = sink;
  lastPresentEndNs = -1;
}

void AddHarnessNanoseconds(long long ns) {
  harnessNs += ns;
}
