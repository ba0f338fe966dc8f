#pragma once

#include "engine/reaction_key.h"
#include "engine/simulation_state.h"

namespace tarvon {

// Lays slot i's atoms out around its centre, projects them into Caja and keeps
// the drawing order of the reaction.
void DrawSlot(SimulationState& s, Reaction reaction, int i);

// "HI": re-stacks the atoms by depth bands of 2 * DistEnllac so that nearer
// molecules hide farther ones.
void RestackByDepth(SimulationState& s);

// Green border on the atoms of the captured molecules of "HI" and "NH3".
void HighlightCapture(SimulationState& s, Reaction reaction);

} // namespace tarvon
