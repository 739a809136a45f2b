// What the board adds to the program: its part of the harness's state dump (the board of the
// level on the game screen) and its part of the data check (every level file and the chip kinds).
#pragma once

class TDataCheckReport;

// Registers the board's part of the state dump (again: replaces it).
void RegisterBoardHooks();
// The quest's level files and the chip kinds, for kelvaroth --check-data.
void CheckLevelData(TDataCheckReport& report);
