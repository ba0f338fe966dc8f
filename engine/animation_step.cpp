#include "engine/animation_step.h"

#include "engine/reaction_tick.h"
#include "engine/tick_context.h"
#include "engine/tick_invariants.h"

#include <exception>
#ifdef TARVON_TICK_CHECKS
#include <iostream>
#endif

namespace tarvon {

namespace {

// The window and the runner go on after an abandoned tick; in checked builds a
// broken invariant must not pass in silence.
void reportBroken([[maybe_unused]] const std::exception& e) {
#ifdef TARVON_TICK_CHECKS
    if (dynamic_cast<const TickInvariantBroken*>(&e) != nullptr)
        std::cerr << "tick invariant broken: " << e.what() << '\n';
#endif
}

} // namespace

void AnimationStep::tick() {
    s_.Ara = clock_.now();
    s_.meca.heldBackSlot = -1;
    if (const ReactionTick* r = s_.Regles) {
        // Rows first: they record the counts as they stood before this step.
        hooks_.rowRule(s_);
        TickContext t{s_, clock_, rnd_, hooks_};
        r->slotRule.tick(t);
    }
    // The front strip stays over the particles.
    s_.caja.shpCara.bringToFront(0);
    // Checked builds: what every tick must leave true.
#ifdef TARVON_TICK_CHECKS
    CheckTickInvariants(s_);
#endif
}

bool AnimationStep::guardedTick(std::string* error) {
    try {
        tick();
        return true;
    } catch (const std::exception& e) {
        if (error != nullptr)
            *error = e.what();
        reportBroken(e);
        return false;
    }
}

} // namespace tarvon
