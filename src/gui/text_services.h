// What the GUI takes from the text subsystem: language text references and the font cache.
#pragma once

#include <string>

struct TImageFont;

// "[" path "|" n "]" gives line n of that language text file, resolved against the working folder.
std::string ResolveTextRef(const std::string& ref);
// The cached font for this file and pixel size, loaded on first use (null when it fails).
TImageFont* GetFont(const std::string& url, int size);
