#pragma once

#include "engine/simulation_state.h"

namespace tarvon {

// Where one atom's centre is kept: the lists of its kind and its index.
struct AtomCentre {
    FloatList& X;
    FloatList& Y;
    FloatList& Z;
    long index;
};

AtomCentre CentreA(SimulationState& s, long k);
AtomCentre CentreB(SimulationState& s, long k);

// Lays a diatomic slot out along its orientation: the first atom `back` behind
// the slot centre, the second `span` beyond the first (twips). Screen y grows
// downwards, hence the opposite sign of the y component.
void PlaceAtomPair(SimulationState& s, int slot, const AtomCentre& first, const AtomCentre& second,
                   float back, float span);

} // namespace tarvon
