#include "engine/orienta.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvon {
namespace {

TEST(Orienta, BandsAndCosines) {
    struct Aim {
        float a;
        double u, beta, c1, c2, c3;
    };
    const double r = std::sqrt(0.5), deg = 3.14159265358979 / 180;
    const Aim cases[] = {
        {90, 0.25, 45, 0, r, r},
        {90, 0.9, 162, 0, -std::cos(18 * deg), std::sin(18 * deg)},
        {0, 0.73, 90, 1, 0, 1},        // empty band; t is not above 0, so c3 = 1
        {120, 0.25, 60, -0.5, 0.5, r}, // band 30 ... 150
    };
    SimulationState s;
    test::ScriptedRandom rnd;
    for (const Aim& c : cases) {
        rnd.script = {c.u, 0.5};
        Orienta(s, rnd, 7, c.a);
        EXPECT_EQ(s.Alfa[7], c.a);
        EXPECT_NEAR(s.Beta[7], c.beta, 1e-4) << c.a << " " << c.u;
        EXPECT_NEAR(s.DirX[7], c.c1, 1e-6) << c.a << " " << c.u;
        EXPECT_NEAR(s.DirY[7], c.c2, 1e-6) << c.a << " " << c.u;
        EXPECT_NEAR(s.DirZ[7], c.c3, 1e-6) << c.a << " " << c.u;
    }
    EXPECT_EQ(rnd.draws, 4) << "one draw per call";
}

} // namespace
} // namespace tarvon
