// Listing what a folder holds, for the data checks that walk the whole asset tree.
#pragma once

#include <string>
#include <vector>

// Every file below folder (sub-folders included), as "/"-separated paths relative to it;
// empty when the folder does not exist. Symbolic links to folders are not followed.
std::vector<std::string> ListFilesBelow(const std::string& folder);
