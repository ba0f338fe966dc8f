#include "engine/species_balance.h"

#include "reactions/reaction_description.h"

namespace tarvon {

std::string SpeciesBalanceViolation(const SimulationState& s) {
    return s.Reaccio != nullptr ? s.Reaccio->speciesBalance(s) : "";
}

} // namespace tarvon
