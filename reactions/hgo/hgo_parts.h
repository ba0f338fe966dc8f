#pragma once
// The parts of HgO's description, defined across its folder.

#include "reactions/reaction_description.h"

namespace tarvon {

const ReactionTexts& TextsHgO();

void PoblacioHgO(SimulationState& s, UniformRandom& rnd);

// The first n pairs of Parells, shuffled into OrdreParells.
void Barreja_Parells(SimulationState& s, UniformRandom& rnd, int n);

// The animation step's rule: its tick, the slots it moves and their walls.
void TickHgO(TickContext& t);
bool MovesHgO(const SimulationState& s, int i);
SlotMargins MarginsHgO(const SimulationState& s, int i);
// Lays slot i's atoms out around its centre and projects them into Caja.
void DrawHgO(SimulationState& s, int i);

// The mechanism view's capture: the group as it was captured, then
// "Continuar".
void ShowCaptureHgO(SimulationState& s);
void ContinueHgO(SimulationState& s);

std::string BalanceHgO(const SimulationState& s);

} // namespace tarvon
