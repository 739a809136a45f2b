// The small level and player the end-to-end runs of the game screen share: a 5 x 5 board
// without lines, where swapping (0,2) with (1,2) makes 1 1 1 in the top row and swapping (3,2)
// with (4,2) makes 4 4 4 in the bottom row, and a player well into the quest.
#pragma once

#include <string>

#include "test_support.h"

namespace testing_support {

// The level with the given five "tile" rows (0 hole, 1 cell, 2 cell to clear).
inline std::string FiveByFiveLevel(const char* tileRows) {
  return std::string(R"(level {
	data {
		size = 5, 5
		availableChips = "1 2 3 4 5"
		toCollect = "0 0 0 0 0"
		background = "background-4"
		time = 0, 0, 0
		tilesAtStart = 0
	}
	tile {
)") + tileRows +
         R"(	}
	chips {
		row0 = 1, 1, 2, 3, 4
		row1 = 3, 4, 1, 5, 2
		row2 = 4, 5, 3, 2, 1
		row3 = 2, 3, 4, 1, 5
		row4 = 4, 4, 1, 5, 3
	}
}
)";
}

// Both lines' rows marked, and the two right-hand cells of row 2 left for a power-up.
inline const char* kMarkedRows =
    "\t\trow0 = 2, 2, 2, 1, 1\n"
    "\t\trow1 = 1, 1, 1, 1, 1\n"
    "\t\trow2 = 1, 1, 1, 2, 2\n"
    "\t\trow3 = 1, 1, 1, 1, 1\n"
    "\t\trow4 = 2, 2, 2, 1, 1\n";

// Cells of the centred 5 x 5 board are 48 pixels apart, (0,0) centred at (416, 270).
inline std::string Cell(int r, int c) {
  return std::to_string(416 + 48 * c) + " " + std::to_string(270 + 48 * r);
}

// A player (ANN) at quest level 5, where the line power-up shows, with 8,000 in cash.
inline const char* kPlayerId = "65-78-78-";
inline std::string PlayerProfilePath(const ScratchDir& scratch) {
  return scratch / "user/Profiles/" + kPlayerId + "/profile.dat";
}

// Writes the level as play.txt and the player as the only profile of scratch/user.
inline void PreparePlayerAndLevel(const ScratchDir& scratch) {
  WriteFile(scratch / "play.txt", FiveByFiveLevel(kMarkedRows));
  WriteFile(scratch / "user/Profiles/profiles.dat", std::string("profiles {\n\tprofile1 = \"") +
                                                        kPlayerId +
                                                        "\"\n\tactProfile = 1\n\ti = 1\n}\n");
  WriteFile(PlayerProfilePath(scratch), R"(profile {
	data {
		name = "ANN"
		level = 5
		stage = 1
		cash = 8000
		actScreen = 4
		highestLevel = 5
	}
	artifacts {
		i = 0
	}
}
)");
}

}  // namespace testing_support
