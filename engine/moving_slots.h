#pragma once

#include "engine/simulation_state.h"
#include "reactions/reaction_description.h"

namespace tarvon {

// The slots a tick moves: never a lattice site, nor any without a reaction;
// otherwise those the reaction moves.
inline bool SlotMoves(const SimulationState& s, int i) {
    if (s.EnSolid[i])
        return false;
    return s.Reaccio != nullptr && s.Reaccio->slotRule.moves(s, i);
}

} // namespace tarvon
