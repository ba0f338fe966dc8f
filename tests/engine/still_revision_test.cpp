// The still revision must move whenever a still shape may have changed (or a
// view would show a stale lattice) and stay put while only moving atoms are
// drawn (or a view would draw the lattice again every frame).
#include "engine/caja_shapes.h"
#include "reactions/registry.h"
#include "tools/sim_run.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace tarvon {
namespace {

int stillShapes(const ShapeArray& shapes) {
    int n = 0;
    for (const AtomShape& s : shapes.all())
        n += s.still && s.visible;
    return n;
}

TEST(StillRevision, MovesOnWritableAccessToAStillShapeOnly) {
    CajaShapes c;
    c.AtomA.load(1);
    const std::uint64_t loaded = c.stillRevision.value();
    c.AtomA[1].left = 30; // a moving shape
    c.AtomA.move(1, 40, 50);
    EXPECT_EQ(c.stillRevision.value(), loaded);
    c.AtomA.setStill(0, true);
    const std::uint64_t marked = c.stillRevision.value();
    EXPECT_GT(marked, loaded);
    c.AtomA.setStill(0, true); // no change, no news
    EXPECT_EQ(std::as_const(c.AtomA)[0].left, 0);
    EXPECT_EQ(c.stillRevision.value(), marked);
    c.AtomA.sendToBack(0);
    EXPECT_GT(c.stillRevision.value(), marked);
    const std::uint64_t sent = c.stillRevision.value();
    c.AtomA.unloadAllButFirst(); // a new population follows
    EXPECT_GT(c.stillRevision.value(), sent);
}

// Ticks a reaction and checks, tick by tick, that the revision moves exactly
// when the still count says the lattice changed.
void checkTicks(const char* key, const std::function<int(const SimulationState&)>& changes,
                int ticks) {
    SimOptions o;
    o.reaction = FindReaction(key);
    o.particles = 400;
    o.tickMs = 50;
    SimRun run(o, 11, '.');
    const SimulationState& s = run.state();
    int changed = 0;
    for (int t = 0; t < ticks; ++t) {
        const std::uint64_t before = s.caja.stillRevision.value();
        const int count = changes(s);
        run.tick();
        const bool moved = s.caja.stillRevision.value() != before;
        EXPECT_EQ(moved, changes(s) != count) << key << " tick " << t;
        changed += moved;
    }
    EXPECT_GT(changed, 0) << key << ": the lattice never changed; the run tells nothing";
}

TEST(StillRevision, HgOLatticeIsStillUntilAPairIsReleased) {
    SimOptions o;
    o.reaction = FindReaction("HgO");
    o.particles = 400;
    SimRun run(o, 11, '.');
    const SimulationState& s = run.state();
    // Every site of the block, and nothing else, stays put.
    EXPECT_EQ(stillShapes(s.caja.AtomA) + stillShapes(s.caja.AtomB), s.NumA + s.NumB);
    checkTicks(
        "HgO",
        [](const SimulationState& st) {
            return stillShapes(st.caja.AtomA) + stillShapes(st.caja.AtomB);
        },
        400);
}

TEST(StillRevision, IronLayerIsStillUntilACellIsOxidised) {
    SimOptions o;
    o.reaction = FindReaction("FeO");
    o.particles = 400;
    SimRun run(o, 11, '.');
    const SimulationState& s = run.state();
    EXPECT_EQ(stillShapes(s.caja.AtomB), s.NumB);
    EXPECT_EQ(stillShapes(s.caja.AtomA), 0); // the oxygen moves
    checkTicks(
        "FeO", [](const SimulationState& st) { return st.nFeO; }, 600);
}

TEST(StillRevision, GasReactionsHaveNothingStill) {
    for (const char* key : {"HI", "NH3"}) {
        SimOptions o;
        o.reaction = FindReaction(key);
        o.particles = 400;
        SimRun run(o, 11, '.');
        for (int t = 0; t < 20; ++t)
            run.tick();
        EXPECT_EQ(stillShapes(run.state().caja.AtomA) + stillShapes(run.state().caja.AtomB), 0)
            << key;
    }
}

} // namespace
} // namespace tarvon
