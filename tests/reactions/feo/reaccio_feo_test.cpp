#include "reactions/counters.h"
#include "reactions/feo/reaccio_feo.h"

#include "engine/animation_step.h"
#include "reactions/population_fixture.h"
#include "reactions/reaction_fixtures.h"

namespace tarvon {
namespace {

// The demo box's 21 x 21 iron layer, cells 174 twips wide; O2 slot 0 lands
// on it. With beta 60 the landing point lies one oxygen radius (55.5) before
// the slot's centre.
class ReaccioFeOTest : public ::testing::Test {
protected:
    void SetUp() override { arrive(2, 1, 30, 60, 0.6f); }
    void arrive(float col, float row, float alpha, float beta, float uz) {
        test::placeSlot(s, 0, s.capa.left + 55.5f + (col + 0.5f) * 174, s.OrigenY + s.CaixaY,
                        s.capa.depth + 55.5f + (row + 0.5f) * 174);
        test::setVelocity(s, 0, 0, 12, 0);
        s.Alfa[0] = alpha;
        s.Beta[0] = beta;
        s.DirZ[0] = uz;
    }
    int cell(int col, int row) const { return n * row + col; }
    bool oxidised(int c) const { return s.caja.AtomB[c].tag == kTagOxidisedIron; }
    int oxidisedCount() const {
        int count = 0;
        for (int m = 0; m < s.NumB; ++m)
            count += oxidised(m);
        return count;
    }

    std::unique_ptr<SimulationState> owner = test::populated("FeO", 100);
    SimulationState& s = *owner;
    const int n = s.CostatSolid, O2 = s.nO2;
};

// No neighbour for the second atom, or a landing cell off the layer: the
// molecule goes on untouched; a shallow one bounces.
TEST_F(ReaccioFeOTest, ShallowArrivalBouncesNoSecondCellOrALandingOffTheLayerDoesNothing) {
    const float arrivals[][4] = {{n - 1.0f, 1, 30, 0.5f},
                                 {-1, 1, 30, 0.6f}, // its neighbour lies on the layer
                                 {n + 0.0f, 1, 150, 0.6f},
                                 {2, -1, 30, 0.6f}};
    for (const auto& a : arrivals) {
        arrive(a[0], a[1], a[2], 60, a[3]);
        ReaccioFeO(s, 0);
        EXPECT_EQ(oxidisedCount() + s.NumCellesOxid, 0) << a[0] << ", " << a[1];
        EXPECT_TRUE(s.VelY[0] == 12 && !s.Rebot && s.nO2 == O2) << a[0] << ", " << a[1];
    }
    arrive(2, 1, 30, 30, 0.6f); // a shallow arrival bounces
    ReaccioFeO(s, 0);
    EXPECT_TRUE(s.VelY[0] == -12 && s.Rebot && oxidisedCount() == 0);
    // Steeper across the rows the neighbour behind is taken instead.
    arrive(n - 1.0f, 1, 30, 60, 0.4f);
    ReaccioFeO(s, 0);
    EXPECT_TRUE(oxidised(cell(n - 1, 1)) && oxidised(cell(n - 1, 2)));
}

TEST_F(ReaccioFeOTest, TwoCellsTurnIntoIronAndOxideIons) {
    const int odd = cell(2, 1), even = odd + 1;
    const long o1 = s.TaulaMol(0, 1), o2 = s.TaulaMol(0, 2);
    s.caja.AtomA[o2].border = ColorMarca;
    const float left = s.PantBX[odd];
    ReaccioFeO(s, 0);
    EXPECT_TRUE(oxidisedCount() == 2 && s.NumCellesOxid == 2);
    EXPECT_TRUE(s.CellesOxid[0] == odd && s.CellesOxid[1] == even);
    EXPECT_TRUE(s.OxigenCella[odd] == o1 && s.OxigenCella[even] == o2);
    EXPECT_EQ(s.TaulaMol.state(0), SlotState::UsedUp);
    // Odd cell: iron one and a half steps up, its oxide below it; even cell
    // the other way round.
    EXPECT_FLOAT_EQ(s.FerroY[odd], s.capa.height - 1.5f * s.PasOxid);
    EXPECT_FLOAT_EQ(s.FerroY[even], s.capa.height - 0.5f * s.PasOxid);
    const double rise = s.Persp * std::sin(s.AnglePersp);
    EXPECT_NEAR(s.PantBY[odd], s.FerroY[odd] - s.FerroZ[odd] / (s.CaixaZ - 174) * rise, 1e-2);
    // On screen too, and never below the layer.
    EXPECT_LT(s.PantAY[o2], s.PantBY[even]);
    EXPECT_GT(s.PantAY[o1], s.PantBY[odd]);
    EXPECT_LT(s.PantAY[o1], s.capa.height);
    EXPECT_NEAR(s.PantBX[odd], left + 36.853f, 1e-2);
    EXPECT_FLOAT_EQ(s.PantAX[o1], s.PantBX[odd]);
    EXPECT_TRUE(s.caja.AtomB[odd].left == s.PantBX[odd] && s.caja.AtomA[o2].top == s.PantAY[o2]);

    EXPECT_TRUE(s.caja.AtomB[even].fill == ColorsEspecie(1) &&
                s.caja.AtomA[o1].fill == ColorsEspecie(4));
    EXPECT_EQ(s.caja.AtomB[even].border, ColorsEspecie(6));
    EXPECT_EQ(s.caja.AtomA[o2].border, ColorMarca) << "a marked particle stays marked";
    EXPECT_TRUE(s.nO2 == O2 - 1 && !s.meca.MecaCapturat);
    EXPECT_EQ(Comptadors(s).at(2).value, 2);
}

TEST_F(ReaccioFeOTest, MiddleColumnsAreCapturedAndStillReact) {
    s.meca.MecaDemanat = true;
    ReaccioFeO(s, 0); // column 2: not captured
    EXPECT_FALSE(s.meca.MecaCapturat);

    arrive(4, 2, 150, 60, 0.6f); // columns 4 and 3
    const AtomShape iron = s.caja.AtomB[cell(4, 2)];
    ReaccioFeO(s, 0);
    EXPECT_TRUE(s.meca.MecaCapturat && oxidised(cell(4, 2)));
    EXPECT_EQ((std::array<int, 2>{s.meca.IdxMeca[0], s.meca.IdxMeca[1]}),
              (std::array<int, 2>{cell(4, 2), cell(3, 2)}));
    EXPECT_EQ(s.meca.IdxMeca[3], s.TaulaMol(0, 2));
    EXPECT_EQ(s.meca.FotoMeca[0].left, iron.left);
    EXPECT_EQ(unpackRgb(std::lround(s.meca.FotoMeca[0].fill)), kMetalFill);
}

TEST_F(ReaccioFeOTest, AnOxygenReachingTheFloorReactsInTheTick) {
    test::FakeClock clock;
    MersenneRandom rnd(3);
    ReactionRules rules{clock, rnd};
    AnimationStep step{s, clock, rnd, rules};
    step.tick();
    EXPECT_TRUE(oxidised(cell(2, 1)) && oxidised(cell(3, 1)));
    EXPECT_EQ(s.caja.AtomA[s.TaulaMol(0, 1)].left, s.PantAX[s.TaulaMol(0, 1)]);
}

} // namespace
} // namespace tarvon
