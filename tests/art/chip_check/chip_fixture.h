// A chip set kept as text: each kind's silhouettes and brightness, so that the check can be run
// on a set of chips that is no longer built (such as an old design it must reject).
#pragma once

#include <string>
#include <vector>

#include "chip_measure.h"

namespace chipcheck {

// Writes the measures in the fixture format; false when the file cannot be written.
bool WriteFixture(const std::string& path, const std::vector<KindMeasure>& kinds);

// Reads a fixture; false with the line and the problem when it is malformed.
bool ReadFixture(const std::string& path, std::vector<KindMeasure>& kinds, std::string& error);

}  // namespace chipcheck
