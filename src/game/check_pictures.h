// The picture half of --check-data: every picture the data files and the code name must exist,
// decode, and have the size and geometry the drawing code relies on.
#pragma once

#include <string>
#include <vector>

// Checks the game/ tree at gameDir (with or without a final "/"). Each problem is appended to
// problems as one line naming the file; returns the number of problems found.
int CheckPictures(const std::string& gameDir, std::vector<std::string>& problems);

// The picture paths (below game/) that the chip file at path names ("chips::chipN::gfx" for N
// from 1 to "chips::i", as far as the file holds such entries), in file order.
std::vector<std::string> ChipPicturePaths(const std::string& chipsFile);

class TDataCheckReport;
// CheckPictures on AssetRoot, each problem reported under its file's path (for --check-data).
void CheckPictureData(TDataCheckReport& report);
