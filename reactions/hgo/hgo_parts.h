#pragma once
// The parts of HgO's description, defined across its folder.

#include "reactions/reaction_description.h"

namespace tarvon {

const ReactionTexts& TextsHgO();

void PoblacioHgO(SimulationState& s, UniformRandom& rnd);

// The first n pairs of Parells, shuffled into OrdreParells.
void Barreja_Parells(SimulationState& s, UniformRandom& rnd, int n);

// The mechanism view's capture, shown and continued.
void ShowCaptureHgO(SimulationState& s);
void ContinueHgO(SimulationState& s);

} // namespace tarvon
