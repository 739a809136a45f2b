#include "app/update_common.h"

#include <vector>

#include "app/frame_timing.h"
#include "app/globals.h"
#include "media/media.h"
#include "media/os_services.h"

bool ProfilesLoaded = false;

namespace {

TCommonHooks& Hooks() {
  static TCommonHooks hooks;
  return hooks;
}

std::vector<std::function<void()>>& ExitHooks() {
  static std::vector<std::function<void()>> hooks;
  return hooks;
}

std::function<void(int)>& GameEnder() {
  static std::function<void(int)> ender;
  return ender;
}

// A close request or Alt+F4: save when the profiles are known, show the system cursor, end.
[[noreturn]] void CloseGame() {
  if (ProfilesLoaded) SaveAll();
  ShowOsCursor();
  EndGame(0);
}

}  // namespace

void InstallCommonHooks(TCommonHooks hooks) {
  Hooks() = std::move(hooks);
}

void AddExitHook(std::function<void()> hook) {
  ExitHooks().push_back(std::move(hook));
}

void SetGameEnder(std::function<void(int)> ender) {
  GameEnder() = std::move(ender);
}

void EndGame(int status) {
  // Hooks run once even when a hook itself ends the game again.
  auto hooks = std::move(ExitHooks());
  ExitHooks().clear();
  for (auto& hook : hooks) hook();
  if (GameEnder()) GameEnder()(status);
  EndProcess(status);
}

int SaveAll() {
  if (Hooks().saveAll) Hooks().saveAll();
  return 0;
}

int UpdateCommon() {
  UpdateDelta();
  Mouse->update();
  if (Hooks().updateSound) Hooks().updateSound();
  if ((KeyIsDown(kKeyRAlt) || KeyIsDown(kKeyLAlt)) && TakeKeyHits(kKeyEnter) > 0 &&
      Hooks().switchScreen)
    Hooks().switchScreen();
  if (IsSuspended()) SuspendedLoop();
  if (TakeCloseRequest() || (KeyIsDown(kKeyLAlt) && TakeKeyHits(kKeyF4) > 0)) CloseGame();
  return 0;
}

int SuspendedLoop() {
  while (IsSuspended()) {
    int started = MillisecondClock();
    ClearBackBuffer();
    UpdateDelta();
    SetTextFont(PauseFont);
    SetDrawColour(255, 255, 255);
    SetDrawAlpha(1);
    SetBlendMode(kBlendAlpha);
    SetDrawScale(1, 1);
    SetDrawRotation(0);
    DrawTextAt(PauseText, static_cast<float>(512 - TextWidthOf(PauseText) / 2),
               static_cast<float>(384 - FontLineHeight() / 2));
    PresentFrame(-1);
    if (TakeCloseRequest()) CloseGame();
    // A minimised window may present without waiting for the display: never spin a core.
    if (!VirtualClockInUse()) {
      int spent = MillisecondClock() - started;
      if (spent < 16) WaitMilliseconds(16 - spent);
    }
  }
  return 0;
}
