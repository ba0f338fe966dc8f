#pragma once
// The parts of NH3's description, defined across its folder.

#include "reactions/reaction_description.h"

namespace tarvon {

const ReactionTexts& TextsNH3();

void PoblacioNH3(SimulationState& s, UniformRandom& rnd);

// The animation step's rule: its tick, the slots it moves and their walls.
void TickNH3(TickContext& t);
bool MovesNH3(const SimulationState& s, int i);
SlotMargins MarginsNH3(const SimulationState& s, int i);
// Lays slot i's atoms out around its centre and projects them into Caja.
void DrawNH3(SimulationState& s, int i);
// The green border on the atoms of the captured group.
void HighlightNH3(SimulationState& s);

// "Continuar" after the mechanism view's capture.
void ContinueNH3(SimulationState& s);

std::string BalanceNH3(const SimulationState& s);

} // namespace tarvon
