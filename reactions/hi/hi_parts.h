#pragma once
// The parts of HI's description, defined across its folder.

#include "reactions/reaction_description.h"

namespace tarvon {

const ReactionTexts& TextsHI();

void PoblacioHI(SimulationState& s, UniformRandom& rnd);

// "Continuar" after a capture.
void ContinueHI(SimulationState& s);

// The animation step's rule for its slots.
void TickHI(TickContext& t);
bool MovesHI(const SimulationState& s, int i);
SlotMargins MarginsHI(const SimulationState& s, int i);
// Lays slot i's atoms out around its centre and projects them into Caja.
void DrawHI(SimulationState& s, int i);
// The green border on the atoms of the captured group.
void HighlightHI(SimulationState& s);

std::string BalanceHI(const SimulationState& s);

} // namespace tarvon
