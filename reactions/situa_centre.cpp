#include "reactions/situa_centre.h"
#include "reactions/rounding.h"

namespace tarvon {

void SituaCentre(SimulationState& s, UniformRandom& rnd, int i, float margin) {
    // One draw per coordinate, x then y then z.
    s.PosX[i] = static_cast<float>(Int((s.CaixaX - 2 * margin) * rnd.next()) + s.OrigenX + margin);
    s.PosY[i] = static_cast<float>(Int((s.CaixaY - 2 * margin) * rnd.next()) + s.OrigenY + margin);
    s.PosZ[i] = static_cast<float>(Int((s.CaixaZ - 2 * margin) * rnd.next()) + margin);
}

} // namespace tarvon
