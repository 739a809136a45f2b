// The duties every screen's update shares (frame timing, mouse, music, Alt+Enter, the inactive
// window, the close request), saving everything, and ending the game.
#pragma once

#include <functional>

// What these duties call in the subsystems above the runtime. The program installs them at
// start-up; a hook left empty does nothing.
struct TCommonHooks {
  std::function<void()> updateSound;   // the music cross-fade and sound bookkeeping
  std::function<void()> switchScreen;  // Alt+Enter: full screen <-> window, saved
  std::function<void()> saveAll;       // the settings, then every profile
};
void InstallCommonHooks(TCommonHooks hooks);

int UpdateCommon();
// Runs while the window is inactive: the pause text on black, paced, until it is active again.
int SuspendedLoop();
// The settings, then every profile.
int SaveAll();

// Set by the profile loading once the profiles have been read: from then on a close request
// saves before the game ends (before, a save could overwrite a list that was never read).
extern bool ProfilesLoaded;

// Ends the game: runs the exit hooks (statistics), then ends the process with the status.
[[noreturn]] void EndGame(int status);
void AddExitHook(std::function<void()> hook);
// Tests replace the final step (ending the process); the replacement must not return (it
// throws). Null restores the real end.
void SetGameEnder(std::function<void(int)> ender);
