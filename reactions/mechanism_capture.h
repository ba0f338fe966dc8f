#pragma once

#include "engine/reaction_hooks.h"
#include "engine/simulation_state.h"

namespace tarvon {

// The projected centre of slot i lies well inside Caja: two bond lengths from
// every edge of the visible area.
bool InCaptureView(const SimulationState& s, int i);

// The border test of a visible gas reaction. The first time (the tested atom
// still has its normal border and nothing is on show) the group is captured
// and the reaction is held back: returns true. Otherwise the capture is shown
// at once and the reaction goes on: returns false.
bool HoldBackForCapture(SimulationState& s, ReactionHooks& hooks, const AtomShape& tested);

// Keeps shape n of the captured group as it is now.
void PhotographCaptured(SimulationState& s, int n, const AtomShape& shape);

} // namespace tarvon
