// The screen controller's state: the id of the next step and the name of the step run last. The
// controller (the game's top layer) moves them; the harness reads them for its state dump.
#pragma once

#include <string>

// Id of the next step (1 at start) and the name of the step run last.
extern int where;
extern std::string lastScreen;
