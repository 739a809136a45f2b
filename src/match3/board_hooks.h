// Hooks the board adds to the program: its part of the harness's state dump (the board of the
// level on the game screen) and its part of the data check (every level file and the chip kinds).
#pragma once

void RegisterBoardHooks();
