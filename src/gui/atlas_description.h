// The plain-text description beside an atlas texture: a count line, then five lines per picture
// (name, x, y, width, height). Kept apart from loading so the reader can be tested and fuzzed.
#pragma once

#include <string>
#include <vector>

#include "textdata/rcm_file.h"  // TrimLowCodes

struct TAtlasEntry {
  std::string name;  // upper-case, trimmed
  int x = 0, y = 0, w = 0, h = 0;
};

// Lines split at LF and trimmed of characters of code 32 or below; the first line is ignored; a
// last group of fewer than five lines is ignored. Negative widths and heights read as 0.
std::vector<TAtlasEntry> ParseAtlasDescription(const std::string& text);
