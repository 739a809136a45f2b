// kelvaroth --check-data: loads every file under game/ that the game reads and reports each
// problem as "path: problem". The runner calls every subsystem's check in turn.
#pragma once

class TDataCheckReport;

// The checks of the application frame: the title file, the window icon, the point and cursor
// pictures.
void CheckAppData(TDataCheckReport& report);
// Runs every check, prints "path: problem" lines; returns the number of problems.
int RunDataChecks();
