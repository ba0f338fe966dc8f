#pragma once
// The parts of NH3's description, defined across its folder.

#include "reactions/reaction_description.h"

namespace tarvon {

const ReactionTexts& TextsNH3();

void PoblacioNH3(SimulationState& s, UniformRandom& rnd);

// "Continuar" after a capture.
void ContinueNH3(SimulationState& s);

} // namespace tarvon
