#pragma once

#include "engine/reaction_key.h"
#include "engine/simulation_state.h"

namespace tarvon {

// Everything the program asks of one reaction. Each reaction folder defines
// one; the registry lists them.
struct ReactionDescription {
    const char* key; // "FeO": the menu item, the runner's --reaction, the workbook's name
    Reaction id;
};

inline Reaction ReactionOf(const SimulationState& s) {
    return s.Reaccio != nullptr ? s.Reaccio->id : Reaction::None;
}

} // namespace tarvon
