// The game screen (top-level screen 2): declared with the board it plays, in match3/main_game.h.
#pragma once

#include "match3/main_game.h"
