#include "reactions/crea_poblacio.h"

#include "reactions/llegenda.h"
#include "reactions/populations.h"
#include "reactions/reaction_description.h"

namespace tarvon {

void Crea_Poblacio(SimulationState& s, UniformRandom& rnd, std::uint64_t seed) {
    rnd.reseed(seed);
    const Reaction reaction = ReactionOf(s);
    switch (reaction) {
    case Reaction::HI:
        PoblacioHI(s, rnd);
        break;
    case Reaction::NH3:
        PoblacioNH3(s, rnd);
        break;
    case Reaction::FeO:
        PoblacioFeO(s, rnd);
        break;
    case Reaction::HgO:
        PoblacioHgO(s, rnd);
        break;
    case Reaction::None:
        break;
    }
    s.llegenda = Llegenda(
        {reaction, s.Diam, s.RadiA[0], s.RadiB[0], s.llegenda.FactorPantalla, s.ConstCaixa});
}

} // namespace tarvon
