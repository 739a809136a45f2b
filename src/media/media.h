// The media operations: the only door from the game to the machine (window, drawing, pictures,
// fonts, sound, input, clock, chance and files). Game code includes this header and nothing of
// SDL, OpenGL, FreeType or the OS.
//
// Text convention, decided once for the whole game: every game string is a std::string holding
// UTF-8 (generalised UTF-8 where a lone UTF-16 surrogate must survive a round trip). Rules that
// count characters the way the game's files and ids do (UTF-16 code units) go through the helpers
// of text_encoding.h. Conversion to other encodings happens only at the file, font and window
// boundaries inside this layer.
#pragma once

#include "media/clock_random.h"
#include "media/files.h"
#include "media/graphics.h"
#include "media/input.h"
#include "media/sound.h"
#include "media/system.h"
#include "media/text_encoding.h"
#include "media/tlist.h"
