#include "reactions/reaction_rules.h"

#include "reactions/reaccio_feo.h"
#include "reactions/reaccio_hi.h"
#include "reactions/reaccio_nh3.h"
#include "reactions/reaction_description.h"
#include "reactions/release_hgo.h"
#include "reactions/xoc_molecules.h"

namespace tarvon {

void ReactionRules::reaccioXoc(SimulationState& s, int i) {
    switch (ReactionOf(s)) {
    case Reaction::HI:
        ReaccioHI(s, rnd_, *this, i);
        break;
    case Reaction::NH3:
        ReaccioNH3(s, rnd_, *this, i);
        break;
    case Reaction::FeO:
        ReaccioFeO(s, i);
        break;
    case Reaction::HgO:
        ReleaseHgO(s, clock_);
        break;
    case Reaction::None:
        break;
    }
}

void ReactionRules::xocMolecules(SimulationState& s, int i, int j) {
    Xoc_Molecules(s, rnd_, i, j);
}

} // namespace tarvon
