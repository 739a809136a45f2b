// The board's sound effects go through the sound catalogue; these two calls keep the board code
// independent of whether a catalogue exists yet (tests and tools run without one).
#pragma once

#include <string>

void PlayBoardSound(const std::string& name);
void PlayBoardMoveSound();
