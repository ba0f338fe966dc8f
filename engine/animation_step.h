#pragma once

#include "engine/clock.h"
#include "engine/reaction_hooks.h"
#include "engine/reaction_key.h"
#include "engine/simulation_state.h"
#include "engine/uniform_random.h"

#include <string>

namespace tarvon {

// One tick of tmrRellotge: data rows, the timed "HgO" release, every slot's
// collisions, walls, motion and drawing, the capture check, and the final
// stacking of the front strip.
class AnimationStep {
public:
    AnimationStep(SimulationState& s, Clock& clock, UniformRandom& rnd, ReactionHooks& hooks)
        : s_(s), clock_(clock), rnd_(rnd), hooks_(hooks) {}

    // Runs one tick; an error inside (an index outside a list) propagates, and
    // in builds with TARVON_TICK_CHECKS so does a broken tick invariant.
    void tick();

    // Runs one tick as the timer does: an error abandons the tick and is
    // reported in the result; the simulation stays usable for the next tick.
    bool guardedTick(std::string* error = nullptr);

private:
    void timedRelease();
    void slotLoop(Reaction reaction);
    void processSlot(Reaction reaction, int i);
    void processFeO(int i);
    void processHgO(int i);
    void wallsAndDraw(Reaction reaction, int i, ReactionHooks* floorHook = nullptr);
    // True when the slot loop must end (an "HI" capture).
    bool captureAfterSlot(Reaction reaction);

    SimulationState& s_;
    Clock& clock_;
    UniformRandom& rnd_;
    ReactionHooks& hooks_;
};

} // namespace tarvon
