#pragma once

#include "engine/simulation_state.h"

namespace tarvon {

// Distance a slot's centre keeps from each wall (twips).
struct SlotMargins {
    float left = 0, right = 0;
    float top = 0, bottom = 0;
    float depth = 0; // front and back
};

inline SlotMargins UniformMargins(float rho) {
    return {rho, rho, rho, rho, rho};
}

// Where the centre of a slot may go: [lo, hi] per axis.
struct WallLimits {
    float xLo, xHi, yLo, yHi, zLo, zHi;
};

WallLimits wallLimits(const BoxGeometry& box, const SlotMargins& m);

// Where the wall step of the chosen reaction keeps the centre of slot i.
WallLimits SlotLimits(const SimulationState& s, int i);

} // namespace tarvon
