// One full animation tick: pair tests against every slot, walls, motion and
// drawing into the shape data. Target: at most 1 ms at 501 slots.
#include "bench/gas_population.h"
#include "engine/animation_step.h"

#include <benchmark/benchmark.h>

namespace {

class StoppedClock : public tarvon::Clock {
public:
    double now() const override { return 0; }
};

void BM_Tick(benchmark::State& run) {
    tarvon::SimulationState s;
    tarvon::MersenneRandom rnd(1);
    tarvon::bench::makeHgOGas(s, rnd, static_cast<int>(run.range(0)));
    StoppedClock clock;
    tarvon::ReactionHooks hooks;
    tarvon::AnimationStep step(s, clock, rnd, hooks);
    for (auto _ : run)
        step.tick();
    benchmark::DoNotOptimize(s.PosX[0]);
}
BENCHMARK(BM_Tick)->Arg(100)->Arg(250)->Arg(501)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
