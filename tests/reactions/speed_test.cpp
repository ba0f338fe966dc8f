#include "engine/fakes.h"
#include "reactions/speed_table.h"
#include "reactions/velocitat_inicial.h"

#include <gtest/gtest.h>

#include <memory>

namespace tarvon {
namespace {

TEST(OmplirTaulaVel, BellShapedLevelsMirroredAndEntry500LeftAlone) {
    auto s = std::make_unique<SimulationState>();
    s->TaulaVel[500] = 7;
    OmplirTaulaVel(*s);
    // The first and last entry of every band.
    const int edges[] = {0, 9, 10, 29, 30, 69, 70, 149, 150, 249};
    for (int n = 0; n < 10; ++n) {
        EXPECT_EQ(s->TaulaVel[edges[n]], 10 * (n / 2 + 1)) << edges[n];
        EXPECT_EQ(s->TaulaVel[499 - edges[n]], 100 - 10 * (n / 2)) << edges[n];
    }
    EXPECT_EQ(s->TaulaVel[500], 7);
}

class VelocitatInicial : public ::testing::Test {
protected:
    void SetUp() override {
        s->FactorDiam = 1.5f;
        s->FactorVel = 80;
        OmplirTaulaVel(*s);
    }
    // Angle 90.5 degrees, the Orienta draw, then the speed and order draws.
    void script(std::initializer_list<double> speedAndOrderDraws) {
        rnd.script = {0.5, 0.25};
        rnd.script.insert(rnd.script.end(), speedAndOrderDraws);
    }
    float unit(float level) const { return level * s->FactorDiam / 58 * s->FactorVel; }

    std::unique_ptr<SimulationState> s = std::make_unique<SimulationState>();
    test::ScriptedRandom rnd;
};

TEST_F(VelocitatInicial, EachOrderDrawPicksItsPermutationOfTheDirection) {
    // (a, b, c) in the order of e = 1 ... 6, as indices into (DirX, DirY, DirZ).
    const int order[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (int e = 1; e <= 6; ++e) {
        OmplirTaulaVel(*s);
        script({0.0, (e - 0.5) / 6}); // entry 0, level 10
        Velocitat_Inicial(*s, rnd, 3);
        const float dir[3] = {s->DirX[3], s->DirY[3], s->DirZ[3]};
        EXPECT_FLOAT_EQ(s->Alfa[3], 90.5f);
        EXPECT_FLOAT_EQ(s->VelX[3], unit(10) * dir[order[e - 1][0]]) << "e = " << e;
        EXPECT_FLOAT_EQ(s->VelY[3], unit(10) * dir[order[e - 1][1]]) << "e = " << e;
        EXPECT_FLOAT_EQ(s->VelZ[3], unit(10) * dir[order[e - 1][2]]) << "e = " << e;
        EXPECT_TRUE(rnd.script.empty());
    }
}

TEST_F(VelocitatInicial, UsedEntriesAreSkippedAndAnExhaustedTableGivesTheDiameterFactor) {
    s->TaulaVel[0] = 0;
    script({0.0, 0.0, 0.999, 0.0}); // two tries on the used entry, then entry 499
    Velocitat_Inicial(*s, rnd, 0);
    EXPECT_FLOAT_EQ(s->VelX[0], unit(100) * s->DirX[0]);
    EXPECT_EQ(s->TaulaVel[499], 0);

    s->TaulaVel.fill(0);
    rnd.script = {0.5, 0.25};
    rnd.fallback = 0.0; // every try and the order draw
    rnd.draws = 0;
    Velocitat_Inicial(*s, rnd, 0);
    EXPECT_EQ(rnd.draws, 2 + 1000 + 1);
    EXPECT_FLOAT_EQ(s->VelX[0], s->FactorDiam * s->FactorVel * s->DirX[0]);
}

} // namespace
} // namespace tarvon
