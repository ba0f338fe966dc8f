#pragma once
// A state ready for a population: the demo box, D0 = 150, the bond length the
// reaction menu would set, and the clearing step already run.

#include "engine/demo_population.h"
#include "engine/simulation_state.h"
#include "reactions/buidar_sistema.h"
#include "reactions/crea_poblacio.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

namespace tarvon::test {

inline float bondFor(const std::string& reaction) {
    if (reaction == "FeO")
        return 222;
    if (reaction == "NH3")
        return 166.5f;
    if (reaction == "HI")
        return 255;
    return 210;
}

// Heap-allocated: the state is large.
inline std::unique_ptr<SimulationState> stateFor(const std::string& reaction, int N) {
    auto s = std::make_unique<SimulationState>();
    SetDemoBox(*s);
    s->Reaccio = reaction;
    s->NombreP = N;
    s->Diam = 150;
    s->DistEnllac = bondFor(reaction);
    BuidarSistema(*s);
    return s;
}

inline std::unique_ptr<SimulationState> populated(const std::string& reaction, int N,
                                                  std::uint64_t seed = 7) {
    auto s = stateFor(reaction, N);
    MersenneRandom rnd;
    Crea_Poblacio(*s, rnd, seed);
    return s;
}

inline double distance(float x1, float y1, float z1, float x2, float y2, float z2) {
    return std::sqrt(double(x2 - x1) * (x2 - x1) + double(y2 - y1) * (y2 - y1) +
                     double(z2 - z1) * (z2 - z1));
}

// The whole atom, centre and radius, lies inside the box.
inline ::testing::AssertionResult atomInBox(const SimulationState& s, float x, float y, float z,
                                            float r) {
    const bool inside = x - r >= s.OrigenX && x + r <= s.OrigenX + s.CaixaX && y - r >= s.OrigenY &&
                        y + r <= s.OrigenY + s.CaixaY && z - r >= 0 && z + r <= s.CaixaZ;
    if (inside)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "atom at (" << x << ", " << y << ", " << z << ") radius " << r << " leaves the box";
}

} // namespace tarvon::test
