#pragma once
// Small hand-made states for the reaction events: slots placed by hand in the
// 3000-twip test box, and rules whose capture display can be counted.

#include "engine/fakes.h"
#include "reactions/atom_colours.h"
#include "reactions/reaction_rules.h"

namespace tarvon::test {

class CountingRules : public ReactionRules {
public:
    using ReactionRules::ReactionRules;
    int shown = 0;
    void mostraCaptura(SimulationState& s) override {
        ++shown;
        ReactionRules::mostraCaptura(s);
    }
};

inline void placeSlot(SimulationState& s, int i, float x, float y, float z) {
    s.PosX[i] = x, s.PosY[i] = y, s.PosZ[i] = z;
}

inline void setVelocity(SimulationState& s, int i, float vx, float vy, float vz) {
    s.VelX[i] = vx, s.VelY[i] = vy, s.VelZ[i] = vz;
}

inline double slotDistance(const SimulationState& s, int i, int j) {
    const double dx = s.PosX[j] - s.PosX[i], dy = s.PosY[j] - s.PosY[i], dz = s.PosZ[j] - s.PosZ[i];
    return std::hypot(dx, dy, dz);
}

} // namespace tarvon::test
