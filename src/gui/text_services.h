// What the GUI takes from the text subsystem: language text references and the font cache.
#pragma once

#include <string>

#include "textdata/txt_file.h"

struct TImageFont;

// The cached font for this file and pixel size, loaded on first use (null when it fails).
TImageFont* GetFont(const std::string& url, int size);
