// Keyboard and mouse state, updated by PumpEvents. Keys are numbered by the Windows virtual-key
// codes the game's logic was written against.
#pragma once

#include <string>

enum KeyCode {
  kKeyEnter = 13,
  kKeyEscape = 27,
  kKeySpace = 32,
  kKeyBackspace = 8,
  kKeyA = 65,  // letters are their upper-case ASCII codes, A 65 to Z 90
  kKeyC = 67,
  kKeyD = 68,
  kKeyG = 71,
  kKeyH = 72,
  kKeyS = 83,
  kKeyW = 87,
  kKeyF1 = 112,
  kKeyF4 = 115,
  kKeyLCtrl = 162,
  kKeyLAlt = 164,
  kKeyRAlt = 165,
};
constexpr int kKeyCount = 256;

// Processes pending window events (input, activation, close) and injected harness events.
void PumpEvents();
bool IsSuspended();
bool TakeCloseRequest();

bool KeyIsDown(int key);
int TakeKeyHits(int key);
int TakeTypedChar();  // next UTF-16 code unit typed, 0 when the queue is empty
void ClearKeyboard();

bool MouseButtonIsDown(int button);  // 1 left, 2 right, 3 middle
int TakeMouseHits(int button);
void ClearMouseButtons();
float MouseLogicalX();
float MouseLogicalY();
int MouseWheelPos();

// --- injected input: the scripted harness and tests feed events through these; they take effect
// at the next PumpEvents, exactly like events from the window system -------------------------
void InjectMouseMove(float logicalX, float logicalY);
void InjectMouseButton(int button, bool down);
void InjectKey(int key, bool down);
void InjectText(const std::string& utf8);
void InjectWheel(int notches);
void InjectCloseRequest();
void InjectSuspend(bool suspended);
