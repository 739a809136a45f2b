// The names of the screens on show, outermost first (a modal screen follows the screen that
// opened it). Every screen loop pushes its name while it runs, so the harness can name the
// screen on show without knowing the screens.
#pragma once

#include <string>
#include <vector>

void PushScreenOnShowName(const char* name);
void PopScreenOnShowName();
std::vector<std::string> ScreensOnShowNames();
