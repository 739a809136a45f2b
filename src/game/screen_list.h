// The descriptors of every screen of the game, for the data checks that walk all screens.
#pragma once

#include <vector>

struct TScreenDescriptor;

using TScreenDescriptors = std::vector<const TScreenDescriptor*>;
const TScreenDescriptors& AllScreenDescriptors();
