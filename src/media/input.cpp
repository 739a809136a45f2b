// Keyboard and mouse state as the game polls it, fed by the window back end and by injected
// events (the scripted harness and tests), which are applied in order at the next pump.
#include "media/input.h"

#include <array>
#include <vector>

#include "media/internal.h"
#include "media/text_encoding.h"

namespace {

constexpr int kTypedQueueSize = 256;
constexpr int kMouseButtons = 3;

struct InputState {
  std::array<bool, kKeyCount> keyDown{};
  std::array<int, kKeyCount> keyHits{};
  // A ring of UTF-16 units; characters beyond its capacity are dropped.
  std::array<char16_t, kTypedQueueSize> typed{};
  int typedHead = 0;
  int typedCount = 0;
  std::array<bool, kMouseButtons + 1> buttonDown{};
  std::array<int, kMouseButtons + 1> buttonHits{};
  float mouseX = 0;
  float mouseY = 0;
  int wheel = 0;
  bool suspended = false;
  bool closeRequested = false;
};

InputState g_input;

struct InjectedEvent {
  enum Kind { Move, Button, Key, Text, Wheel, Close, Suspend } kind = Move;
  int code = 0;
  bool flag = false;
  float x = 0, y = 0;
  std::string text;
};

std::vector<InjectedEvent> g_injected;

InjectedEvent& Inject(InjectedEvent::Kind kind) {
  InjectedEvent& e = g_injected.emplace_back();
  e.kind = kind;
  return e;
}

bool ValidKey(int key) {
  return key >= 0 && key < kKeyCount;
}
bool ValidButton(int button) {
  return button >= 1 && button <= kMouseButtons;
}

// Control characters (C0, DEL and C1) never reach the queue: nothing the game reads from it
// wants them, and they would corrupt names written to data files.
bool IsControlUnit(char16_t unit) {
  return unit < 32 || (unit >= 127 && unit < 160);
}

void PushTyped(char16_t unit) {
  if (g_input.typedCount >= kTypedQueueSize) return;
  g_input.typed[static_cast<size_t>((g_input.typedHead + g_input.typedCount) % kTypedQueueSize)] =
      unit;
  ++g_input.typedCount;
}

}  // namespace

bool IsSuspended() {
  return g_input.suspended;
}

bool TakeCloseRequest() {
  const bool requested = g_input.closeRequested;
  g_input.closeRequested = false;
  return requested;
}

bool KeyIsDown(int key) {
  return ValidKey(key) && g_input.keyDown[static_cast<size_t>(key)];
}

int TakeKeyHits(int key) {
  if (!ValidKey(key)) return 0;
  const int hits = g_input.keyHits[static_cast<size_t>(key)];
  g_input.keyHits[static_cast<size_t>(key)] = 0;
  return hits;
}

int TakeTypedChar() {
  if (g_input.typedCount == 0) return 0;
  const char16_t unit = g_input.typed[static_cast<size_t>(g_input.typedHead)];
  g_input.typedHead = (g_input.typedHead + 1) % kTypedQueueSize;
  --g_input.typedCount;
  return unit;
}

void ClearKeyboard() {
  g_input.keyDown.fill(false);
  g_input.keyHits.fill(0);
  g_input.typedHead = 0;
  g_input.typedCount = 0;
}

bool MouseButtonIsDown(int button) {
  return ValidButton(button) && g_input.buttonDown[static_cast<size_t>(button)];
}

int TakeMouseHits(int button) {
  if (!ValidButton(button)) return 0;
  const int hits = g_input.buttonHits[static_cast<size_t>(button)];
  g_input.buttonHits[static_cast<size_t>(button)] = 0;
  return hits;
}

void ClearMouseButtons() {
  g_input.buttonDown.fill(false);
  g_input.buttonHits.fill(0);
  g_input.wheel = 0;
}

float MouseLogicalX() {
  return g_input.mouseX;
}
float MouseLogicalY() {
  return g_input.mouseY;
}
int MouseWheelPos() {
  return g_input.wheel;
}

void InjectMouseMove(float logicalX, float logicalY) {
  InjectedEvent& e = Inject(InjectedEvent::Move);
  e.x = logicalX;
  e.y = logicalY;
}

void InjectMouseButton(int button, bool down) {
  InjectedEvent& e = Inject(InjectedEvent::Button);
  e.code = button;
  e.flag = down;
}

void InjectKey(int key, bool down) {
  InjectedEvent& e = Inject(InjectedEvent::Key);
  e.code = key;
  e.flag = down;
}

void InjectText(const std::string& utf8) {
  InjectedEvent& e = Inject(InjectedEvent::Text);
  e.text = utf8;
}

void InjectWheel(int notches) {
  InjectedEvent& e = Inject(InjectedEvent::Wheel);
  e.code = notches;
}

void InjectCloseRequest() {
  Inject(InjectedEvent::Close);
}

void InjectSuspend(bool suspended) {
  InjectedEvent& e = Inject(InjectedEvent::Suspend);
  e.flag = suspended;
}

namespace media_internal {

void InputOnKey(int virtualKey, bool down, bool repeat) {
  if (!ValidKey(virtualKey)) return;
  const auto k = static_cast<size_t>(virtualKey);
  if (down && !repeat) ++g_input.keyHits[k];
  g_input.keyDown[k] = down;
}

void InputOnMouseButton(int button, bool down) {
  if (!ValidButton(button)) return;
  const auto b = static_cast<size_t>(button);
  if (down) ++g_input.buttonHits[b];
  g_input.buttonDown[b] = down;
}

void InputOnMouseMove(float logicalX, float logicalY) {
  g_input.mouseX = logicalX;
  g_input.mouseY = logicalY;
}

void InputOnWheel(int notches) {
  g_input.wheel += notches;
}

void InputOnText(const std::string& utf8) {
  for (char16_t unit : Utf8ToUtf16(utf8)) {
    if (!IsControlUnit(unit)) PushTyped(unit);
  }
}

void InputOnSuspend(bool suspended) {
  if (suspended == g_input.suspended) return;
  g_input.suspended = suspended;
  // Keys and buttons held or released while another program had the focus would otherwise
  // stay stuck or fire late.
  ClearKeyboard();
  ClearMouseButtons();
}

void InputOnCloseRequest() {
  g_input.closeRequested = true;
}

void InputApplyInjected() {
  // Swap out first: applying an event never injects, but a frame hook run later may.
  std::vector<InjectedEvent> events;
  events.swap(g_injected);
  for (const InjectedEvent& e : events) {
    switch (e.kind) {
      case InjectedEvent::Move:
        InputOnMouseMove(e.x, e.y);
        break;
      case InjectedEvent::Button:
        InputOnMouseButton(e.code, e.flag);
        break;
      case InjectedEvent::Key:
        InputOnKey(e.code, e.flag, false);
        break;
      case InjectedEvent::Text:
        InputOnText(e.text);
        break;
      case InjectedEvent::Wheel:
        InputOnWheel(e.code);
        break;
      case InjectedEvent::Close:
        InputOnCloseRequest();
        break;
      case InjectedEvent::Suspend:
        InputOnSuspend(e.flag);
        break;
    }
  }
  // Reuse the storage next time instead of allocating per frame.
  events.clear();
  if (g_injected.empty()) g_injected.swap(events);
}

void InputReset() {
  g_input = InputState{};
  g_injected.clear();
}

}  // namespace media_internal
