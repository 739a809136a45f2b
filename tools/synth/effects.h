// The game's sound effects, each a short recipe over our voices.
#pragma once

#include <string>
#include <vector>

#include "dsp.h"

namespace synth {

struct EffectInfo {
  std::string id;
  double peakDb;  // where the finished file's loudest sample sits
};

// Every effect the game plays, in catalogue order.
const std::vector<EffectInfo>& EffectList();
// Renders the effect, faded at both ends and normalised; false for an unknown id.
bool RenderEffect(const std::string& id, Mono& out);

}  // namespace synth
