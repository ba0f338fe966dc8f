#include "reactions/counters.h"

#include "reactions/reaction_description.h"

namespace tarvon {

std::vector<Counter> Comptadors(const SimulationState& s) {
    using enum CounterId;
    switch (ReactionOf(s)) {
    case Reaction::FeO:
        return {{OxigenInicial, s.NombreMol}, {OxigenPresent, s.nO2}, {FeOFormat, s.nFeO}};
    case Reaction::NH3:
        return {
            {MoleculesPresents, s.nN2 + s.nNH3 + s.nH2}, {NH3, s.nNH3}, {N2, s.nN2}, {H2, s.nH2}};
    case Reaction::HI:
        return {{MoleculesPresents, s.NombreMol}, {HI, s.nHI}, {Hidrogen, s.nH2}, {Iode, s.nI2}};
    case Reaction::HgO:
        return {{HgOInicial, s.NumA},
                {HgOPresent, s.NumA - s.nHg},
                {OxigenGas, s.nO2},
                {MercuriGas, s.nHg}};
    case Reaction::None:
        break;
    }
    return {};
}

} // namespace tarvon
