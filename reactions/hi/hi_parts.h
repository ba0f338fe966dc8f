#pragma once
// The parts of HI's description, defined across its folder.

#include "reactions/reaction_description.h"

namespace tarvon {

const ReactionTexts& TextsHI();

void PoblacioHI(SimulationState& s, UniformRandom& rnd);

// The animation step's rule: its tick, the slots it moves and their walls.
void TickHI(TickContext& t);
bool MovesHI(const SimulationState& s, int i);
SlotMargins MarginsHI(const SimulationState& s, int i);
// Lays slot i's atoms out around its centre and projects them into Caja.
void DrawHI(SimulationState& s, int i);
// The green border on the atoms of the captured group.
void HighlightHI(SimulationState& s);

// "Continuar" after the mechanism view's capture.
void ContinueHI(SimulationState& s);

std::string BalanceHI(const SimulationState& s);

} // namespace tarvon
