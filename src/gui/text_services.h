// What the GUI takes from the text subsystem: language text references and the font cache.
#pragma once

#include "textdata/font_cache.h"
#include "textdata/txt_file.h"
