#pragma once
// The parts of HI's description, defined across its folder.

#include "reactions/reaction_description.h"

namespace tarvon {

const ReactionTexts& TextsHI();

void PoblacioHI(SimulationState& s, UniformRandom& rnd);

// "Continuar" after a capture.
void ContinueHI(SimulationState& s);

} // namespace tarvon
