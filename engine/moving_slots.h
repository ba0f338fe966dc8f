#pragma once

#include "engine/reaction_key.h"
#include "engine/simulation_state.h"

namespace tarvon {

// The slots a tick moves: never a lattice site, and for "FeO" and "NH3" only
// those still in play.
inline bool SlotMoves(const SimulationState& s, Reaction reaction, int i) {
    if (s.EnSolid[i])
        return false;
    switch (reaction) {
    case Reaction::FeO:
    case Reaction::NH3:
        return s.TaulaMol.inPlay(i);
    case Reaction::HI:
    case Reaction::HgO:
        return true;
    case Reaction::None:
        break;
    }
    return false;
}

} // namespace tarvon
