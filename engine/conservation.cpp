#include "engine/conservation.h"

#include "engine/reaction_tick.h"

namespace tarvon {

std::string SpeciesBalanceViolation(const SimulationState& s) {
    return s.Regles != nullptr ? s.Regles->speciesBalance(s) : "";
}

} // namespace tarvon
