// Where the game's assets are: every asset path starts with AssetRoot, and language-dependent
// paths name the language folder (what "#LANG#" in a path stands for).
#pragma once

#include <string>

// The asset tree is the folder "game" beside the program.
extern const std::string AssetRoot;
// The language folder below AssetRoot + "txt/".
extern const std::string Language;
