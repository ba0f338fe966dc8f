#pragma once

#include "engine/simulation_state.h"

namespace tarvon {

// "Continuar" in the mechanism view: shows the particles as the captured
// reaction left them (the products, in their normal appearance) and lets the
// animation run on. The timer is restarted even if the captured group cannot
// be shown; such an error then propagates to the caller. A reaction clears
// its capture flags before it touches the group: a group that cannot be shown
// must not fail again at every later press.
void Continuar(SimulationState& s);

// The border of every gas atom and ion when not captured or marked.
void NormalBorder(AtomShape& shape);

// A particle shown in its normal appearance: its fill and diameter (twips).
void Dress(AtomShape& shape, Rgb fill, float diameter);

} // namespace tarvon
