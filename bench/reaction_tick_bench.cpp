// One animation tick of each reaction, at the largest calibrated budget and at
// the sizes of the mechanism view, measured over a run in progress.
#include "reactions/registry.h"
#include "tools/sim_run.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using tarvon::SimOptions;
using tarvon::SimRun;

// Each registered reaction by its place in the registry.
const tarvon::ReactionDescription* reactionAt(std::int64_t k) {
    return tarvon::Reactions()[static_cast<std::size_t>(k)];
}

long lastReaction() {
    return static_cast<long>(tarvon::Reactions().size()) - 1;
}

// Ticks 2 to 12 simulated seconds into fresh runs: products exist, the solid
// is going and most reactants are still there. Without the rebuilds the
// surface reactions would soon be measured with nothing left to react.
template <typename MakeRun> void ticksInProgress(benchmark::State& state, MakeRun makeRun) {
    constexpr int kWarmUp = 40, kMeasured = 200;
    auto run = makeRun();
    int done = kMeasured;
    for (auto _ : state) {
        if (done == kMeasured) {
            state.PauseTiming();
            run = makeRun();
            for (int k = 0; k < kWarmUp; ++k)
                run->tick();
            done = 0;
            state.ResumeTiming();
        }
        if (!run->tick())
            state.SkipWithError("tick abandoned");
        ++done;
    }
}

void BM_Tick400(benchmark::State& state) {
    SimOptions o;
    o.reaction = reactionAt(state.range(0));
    o.particles = 400;
    state.SetLabel(o.reaction->key);
    std::uint64_t seed = 7;
    ticksInProgress(state, [&] { return std::make_unique<SimRun>(o, ++seed, '.'); });
}
BENCHMARK(BM_Tick400)->DenseRange(0, lastReaction())->Unit(benchmark::kMicrosecond);

void BM_TickMechanism(benchmark::State& state) {
    SimOptions o;
    o.reaction = reactionAt(state.range(0));
    state.SetLabel(o.reaction->key);
    std::uint64_t seed = 7;
    ticksInProgress(state, [&] {
        auto run = std::make_unique<SimRun>(o, ++seed, '.');
        run->enterMechanism();
        return run;
    });
}
BENCHMARK(BM_TickMechanism)->DenseRange(0, lastReaction())->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
