#include "reactions/crea_poblacio.h"

#include "reactions/llegenda.h"
#include "reactions/reaction_description.h"

namespace tarvon {

void Crea_Poblacio(SimulationState& s, UniformRandom& rnd, std::uint64_t seed) {
    rnd.reseed(seed);
    const ReactionDescription* r = s.Reaccio;
    if (r != nullptr)
        r->populate(s, rnd);
    s.llegenda =
        Llegenda(r != nullptr ? r->legend : nullptr,
                 {s.Diam, s.RadiA[0], s.RadiB[0], s.llegenda.FactorPantalla, s.ConstCaixa});
}

} // namespace tarvon
