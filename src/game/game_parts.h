// Connects the subsystems at start-up: every hook a lower layer offers is filled here, by
// explicit Register... and Install... calls, once the screens exist. Calling it again replaces
// what it installed (it never adds twice), so tests may call it for every fresh start.
#pragma once

void RegisterGameParts();
