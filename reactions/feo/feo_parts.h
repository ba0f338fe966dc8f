#pragma once
// The parts of FeO's description, defined across its folder.

#include "reactions/reaction_description.h"

namespace tarvon {

const ReactionTexts& TextsFeO();

void PoblacioFeO(SimulationState& s, UniformRandom& rnd);

// Places the n x n iron atoms from the layer reference in s.capa, row by row
// in increasing depth, with scale sc and atom diameter d.
void Capa_Ferro(SimulationState& s, int n, float sc, float d);
// Sizes, places, raises and shows iron shape k.
void Situa_Bola(SimulationState& s, int k);

// The animation step's rule: its tick, the slots it moves and their walls.
void TickFeO(TickContext& t);
bool MovesFeO(const SimulationState& s, int i);
SlotMargins MarginsFeO(const SimulationState& s, int i);
// Lays slot i's atoms out around its centre and projects them into Caja.
void DrawFeO(SimulationState& s, int i);

// The mechanism view's capture: the group as it was captured, then
// "Continuar".
void ShowCaptureFeO(SimulationState& s);
void ContinueFeO(SimulationState& s);

std::string BalanceFeO(const SimulationState& s);

} // namespace tarvon
