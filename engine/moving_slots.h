#pragma once

#include "engine/simulation_state.h"
#include "engine/reaction_tick.h"

namespace tarvon {

// The slots a tick moves: never a lattice site, nor any without a reaction;
// otherwise those the reaction moves.
inline bool SlotMoves(const SimulationState& s, int i) {
    if (s.EnSolid[i])
        return false;
    return s.Regles != nullptr && s.Regles->slotRule.moves(s, i);
}

} // namespace tarvon
