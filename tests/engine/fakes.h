#pragma once
// Test doubles for the engine: a clock set by hand, a random source that
// returns scripted values, and reaction hooks that record what the tick asks.

#include "engine/catom.h"
#include "engine/clock.h"
#include "engine/reaction_hooks.h"
#include "engine/simulation_state.h"
#include "engine/uniform_random.h"

#include <cmath>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace tarvon::test {

class FakeClock : public Clock {
public:
    double t = 0;
    double now() const override { return t; }
};

// Returns the scripted values in order, then `fallback` once they run out.
class ScriptedRandom : public UniformRandom {
public:
    std::deque<double> script;
    double fallback = 0.5;
    int draws = 0;
    double next() override {
        ++draws;
        if (script.empty())
            return fallback;
        const double u = script.front();
        script.pop_front();
        return u;
    }
    void reseed(std::uint64_t) override {}
};

class RecordingHooks : public ReactionHooks {
public:
    int rows = 0, captures = 0;
    std::vector<int> reaccions;
    std::vector<std::pair<int, int>> xocs;
    std::function<void(SimulationState&, int)> onReaccio;

    void rowRule(SimulationState&) override { ++rows; }
    void reaccioXoc(SimulationState& s, int i) override {
        reaccions.push_back(i);
        if (onReaccio)
            onReaccio(s, i);
    }
    void xocMolecules(SimulationState&, int i, int j) override { xocs.emplace_back(i, j); }
    void mostraCaptura(SimulationState&) override { ++captures; }
};

// A 3000-twip cube with a 45-degree perspective; DesplY is the vertical shift.
inline void setBox(BoxGeometry& b) {
    b.CaixaX = b.CaixaY = b.CaixaZ = 3000;
    b.OrigenX = 100;
    b.OrigenY = 200;
    b.Persp = 400;
    b.AnglePersp = 0.785398163f;
    b.DesplX = b.Persp * std::cos(b.AnglePersp);
    b.DesplY = b.Persp * std::sin(b.AnglePersp);
}

// Eight atoms of each kind, dressed like iodine (A) and a smaller atom (B).
inline void dressEightAtoms(SimulationState& s) {
    const CAtom atoms;
    atoms.Crea_AtomsA(s, 8);
    atoms.Crea_AtomsB(s, 8);
    atoms.Propietats_AtomsA(s, 180, 8, {0, 190, 255}, {0, 0, 255});
    atoms.Propietats_AtomsB(s, 80, 8, {255, 255, 255}, {0, 0, 255});
}

} // namespace tarvon::test
