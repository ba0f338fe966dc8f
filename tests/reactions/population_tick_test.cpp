#include "engine/animation_step.h"
#include "engine/fakes.h"
#include "reactions/population_fixture.h"

namespace tarvon {
namespace {

// Every population runs under the animation step, and the first tick shows the
// atoms of every gas molecule.
TEST(CreaPoblacio, EachPopulationRunsUnderTheAnimationStep) {
    for (const char* reaction : {"HI", "NH3", "FeO", "HgO"}) {
        auto s = test::populated(reaction, 150);
        test::FakeClock clock;
        MersenneRandom rnd(11);
        ReactionHooks hooks;
        AnimationStep step(*s, clock, rnd, hooks);
        std::string error;
        for (int t = 0; t < 100; ++t) {
            clock.t = 0.05 * t;
            ASSERT_TRUE(step.guardedTick(&error)) << reaction << ": " << error;
        }
        if (std::string(reaction) == "HgO")
            continue;
        for (int k = 0; k < s->NumA; ++k)
            ASSERT_TRUE(s->caja.AtomA[k].visible) << reaction << " atom " << k;
    }
}

} // namespace
} // namespace tarvon
