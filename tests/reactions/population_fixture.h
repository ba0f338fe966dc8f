#pragma once
// A state ready for a population: the demo box, D0 = 150, a bond length, and
// the clearing step already run.

#include "engine/reference_box.h"
#include "reactions/buidar_sistema.h"
#include "reactions/crea_poblacio.h"
#include "reactions/registry.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace tarvon::test {

// Heap-allocated: the state is large.
inline std::unique_ptr<SimulationState> stateFor(const std::string& reaction, int N) {
    auto s = std::make_unique<SimulationState>();
    SetReferenceBox(*s);
    UseReaction(*s, FindReaction(reaction));
    s->NombreP = N;
    s->Diam = 150;
    s->DistEnllac = 222;
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

} // namespace tarvon::test
