#pragma once

#include "engine/clock.h"
#include "engine/reaction_hooks.h"
#include "engine/uniform_random.h"

namespace tarvon {

// The reaction events the animation step calls: Reaccio_Xoc and Xoc_Molecules
// of the running reaction.
class ReactionRules : public ReactionHooks {
public:
    ReactionRules(Clock& clock, UniformRandom& rnd) : clock_(clock), rnd_(rnd) {}

    // Reaccio_Xoc: the rule of s.Reaccio for slot i; for "HgO" the next timed
    // release (the animation step passes i = nHg).
    void reaccioXoc(SimulationState& s, int i) override;
    void xocMolecules(SimulationState& s, int i, int j) override;

private:
    Clock& clock_;
    UniformRandom& rnd_;
};

} // namespace tarvon
