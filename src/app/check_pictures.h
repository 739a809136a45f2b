// The picture half of --check-data: every picture the data files and the code name must exist,
// decode, and have the size and geometry the drawing code relies on.
#pragma once

#include <string>
#include <vector>

// Checks the game/ tree at gameDir (with or without a final "/"). Each problem is appended to
// problems as one line naming the file; returns the number of problems found.
int CheckPictures(const std::string& gameDir, std::vector<std::string>& problems);

// The picture paths (below game/) that "data/chips.txt" names, in file order.
std::vector<std::string> ChipPicturePaths(const std::string& chipsText);
