#include "reactions/reaction_rules.h"

#include "reactions/reaction_description.h"
#include "reactions/xoc_molecules.h"

namespace tarvon {

void ReactionRules::reaccioXoc(SimulationState& s, int i) {
    if (s.Reaccio == nullptr)
        return;
    TickContext t{s, clock_, rnd_, *this};
    s.Reaccio->event(t, i);
}

void ReactionRules::xocMolecules(SimulationState& s, int i, int j) {
    Xoc_Molecules(s, rnd_, i, j);
}

} // namespace tarvon
