#include "reactions/nh3/nh3_parts.h"

#include "engine/conservation.h"

namespace tarvon {

// N2 + 3 H2 -> 2 NH3. The population holds NumA nitrogen and NumB hydrogen
// atoms; each reaction turns two slots into ammonia and uses up two.
std::string BalanceNH3(const SimulationState& s) {
    if (2 * s.nN2 + s.nNH3 != s.NumA)
        return "nitrogen atoms not conserved";
    if (2 * s.nH2 + 3 * s.nNH3 != s.NumB)
        return "hydrogen atoms not conserved";
    int reactants = 0, products = 0;
    for (int i = 0; i < s.NombreMol; ++i) {
        reactants += s.TaulaMol.state(i) == SlotState::Reactant;
        products += s.TaulaMol.state(i) == SlotState::Product;
    }
    if (reactants != s.nN2 + s.nH2 || products != s.nNH3)
        return "the counters differ from the slot states";
    return "";
}

} // namespace tarvon
