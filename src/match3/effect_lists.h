// The global lists of live board effects and the chip-kind prototypes (created with the other
// globals at start-up). Each effect removes itself from its list when it is done; the lists hold
// shared references, so nothing an effect uses can disappear under it.
#pragma once

#include "app/globals.h"
#include "match3/board_types.h"
#include "media/tlist.h"
