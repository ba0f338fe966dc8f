#pragma once

#include "engine/reaction_hooks.h"
#include "engine/slot_margins.h"
#include "engine/uniform_random.h"

namespace tarvon {

// Reflects slot i off the walls, moves it by its velocity, clamps it inside the
// limits and re-aims it at random after a wall hit. With floorHook set (the iron
// surface of "FeO") reaching the floor calls the reaction rule instead of
// reflecting.
void WallsAndMotion(SimulationState& s, UniformRandom& rnd, int i, const WallLimits& lim,
                    ReactionHooks* floorHook = nullptr);

} // namespace tarvon
