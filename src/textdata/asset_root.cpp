#include "textdata/asset_root.h"

const std::string AssetRoot = "game/";
const std::string Language = "en";
