#include "reactions/reaccio_feo.h"

#include "engine/animation_step.h"
#include "reaction_fixtures.h"
#include "reactions/colors_especie.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvon {
namespace {

constexpr int kSide = 5;
constexpr float kDFe = 174; // 1.16 * D0
constexpr float kRO = 55.5f;

// A 5 x 5 iron layer of cells 174 twips wide from (1000, 500) and one O2 slot
// (oxygen atoms 0 and 1).
class ReaccioFeOTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::setBox(s);
        s.Reaccio = "FeO";
        s.Diam = 150;
        s.PasOxid = 168;
        s.CostatSolid = kSide;
        s.NumB = kSide * kSide;
        s.NumA = 2;
        s.NombreMol = s.nO2 = 1;
        s.capa = {1000, 3000, 500, kDFe};
        s.CellesOxid.fill(kNoCell);
        s.OxigenCella.fill(kNoCell);
        const CAtom atoms;
        atoms.Crea_AtomsA(s, 2);
        atoms.Crea_AtomsB(s, s.NumB);
        atoms.Propietats_AtomsA(s, 2 * kRO, 2, ColorsEspecie(5), ColorsEspecie(6));
        atoms.Propietats_AtomsB(s, kDFe, s.NumB, kMetalFill, kIronBorder);
        for (int m = 0; m < s.NumB; ++m) {
            s.FerroZ[m] = (m / kSide) * kDFe * 0.965f + s.capa.depth;
            s.PantBX[m] = 1000 + (m % kSide) * kDFe;
            s.PantBY[m] = 2900;
            s.caja.AtomB[m].visible = true;
        }
        s.TaulaMol(0, 1) = 0;
        s.TaulaMol(0, 2) = 1;
        s.txt[0] = "Molèc. oxigen inicials: 1";
        arrive(2, 1, 30, 60, 0.6f);
    }
    // The O2 comes down over column col, row row (with beta 60 the landing
    // point lies one oxygen radius before the centre).
    void arrive(float col, float row, float alpha, float beta, float uz) {
        test::placeSlot(s, 0, s.capa.left + kRO + (col + 0.5f) * kDFe, 3100,
                        s.capa.depth + kRO + (row + 0.5f) * kDFe);
        test::setVelocity(s, 0, 0, 12, 0);
        s.Alfa[0] = alpha;
        s.Beta[0] = beta;
        s.DirZ[0] = uz;
    }
    bool oxidised(int cell) const { return s.caja.AtomB[cell].tag == '3'; }
    int oxidisedCount() const {
        int n = 0;
        for (int m = 0; m < s.NumB; ++m)
            n += oxidised(m);
        return n;
    }
    void expectNothingHappened() {
        EXPECT_EQ(oxidisedCount(), 0);
        EXPECT_EQ(s.NumCellesOxid, 0);
        EXPECT_EQ(s.TaulaMol(0, 0), 0);
        EXPECT_EQ(s.VelY[0], 12);
        EXPECT_FALSE(s.Rebot);
        EXPECT_EQ(s.nO2, 1);
    }

    SimulationState s;
};

TEST_F(ReaccioFeOTest, AShallowArrivalBounces) {
    arrive(2, 1, 30, 30, 0.6f);
    ReaccioFeO(s, 0);
    EXPECT_EQ(s.VelY[0], -12);
    EXPECT_TRUE(s.Rebot);
    EXPECT_EQ(oxidisedCount(), 0);
}

TEST_F(ReaccioFeOTest, NoSecondCellOnTheLastColumn) {
    arrive(kSide - 1, 1, 30, 60, 0.5f);
    ReaccioFeO(s, 0);
    expectNothingHappened();
    // Steeper across the rows the neighbour behind is taken instead.
    arrive(kSide - 1, 1, 30, 60, 0.4f);
    ReaccioFeO(s, 0);
    EXPECT_TRUE(oxidised(9));
    EXPECT_TRUE(oxidised(14));
}

TEST_F(ReaccioFeOTest, ALandingOutsideTheLayerDoesNothing) {
    arrive(-1, 1, 30, 60, 0.6f); // its neighbour, cell 5, lies on the layer
    ReaccioFeO(s, 0);
    expectNothingHappened();
    arrive(kSide, 1, 150, 60, 0.6f); // would take cells 10 and 9
    ReaccioFeO(s, 0);
    expectNothingHappened();
    arrive(2, -1, 30, 60, 0.6f); // would take cells -3 and -2
    ReaccioFeO(s, 0);
    expectNothingHappened();
}

TEST_F(ReaccioFeOTest, TwoCellsTurnIntoIronAndOxideIons) {
    s.caja.AtomA[1].border = ColorMarca;
    const float bx7 = s.PantBX[7];
    ReaccioFeO(s, 0); // lands on cell 7, the neighbour is cell 8
    EXPECT_EQ(s.NumCellesOxid, 2);
    EXPECT_EQ(s.CellesOxid[0], 7);
    EXPECT_EQ(s.CellesOxid[1], 8);
    EXPECT_EQ(s.OxigenCella[7], 0);
    EXPECT_EQ(s.OxigenCella[8], 1);
    EXPECT_EQ(oxidisedCount(), 2);
    EXPECT_EQ(s.TaulaMol(0, 0), 2);
    // Odd cell: iron one and a half steps up, its oxide below it; even cell
    // the other way round.
    EXPECT_FLOAT_EQ(s.FerroY[7], 3000 - 1.5f * 168);
    EXPECT_FLOAT_EQ(s.FerroY[8], 3000 - 0.5f * 168);
    const double rise = s.Persp * std::sin(s.AnglePersp);
    EXPECT_NEAR(s.PantBY[7], s.FerroY[7] - s.FerroZ[7] / (3000 - kDFe) * rise, 1e-2);
    EXPECT_NEAR(s.PantAY[0], 3000 - 168 - s.FerroZ[7] / (3000 - 2 * kRO) * rise, 1e-2);
    EXPECT_NEAR(s.PantAY[1], 3000 - 336 - s.FerroZ[8] / (3000 - 2 * kRO) * rise, 1e-2);
    // On screen too: the oxide is drawn over its iron ion on the even cell,
    // under it on the odd one, and never below the layer.
    EXPECT_LT(s.PantAY[1], s.PantBY[8]);
    EXPECT_GT(s.PantAY[0], s.PantBY[7]);
    EXPECT_LT(s.PantAY[0], 3000);
    EXPECT_NEAR(s.PantBX[7], bx7 + 36.853f, 1e-2);
    EXPECT_FLOAT_EQ(s.PantAX[0], s.PantBX[7]);
    EXPECT_EQ(s.caja.AtomB[7].left, s.PantBX[7]);
    EXPECT_EQ(s.caja.AtomA[1].top, s.PantAY[1]);

    EXPECT_EQ(s.caja.AtomB[8].fill, ColorsEspecie(1));
    EXPECT_FLOAT_EQ(s.caja.AtomB[8].width, 124.5f);
    EXPECT_EQ(s.caja.AtomB[8].border, ColorsEspecie(6));
    EXPECT_EQ(s.caja.AtomA[0].fill, ColorsEspecie(4));
    EXPECT_FLOAT_EQ(s.caja.AtomA[0].height, 210);
    EXPECT_EQ(s.caja.AtomA[1].border, ColorMarca) << "a marked particle stays marked";

    EXPECT_EQ(s.nO2, 0);
    EXPECT_EQ(s.nFeO, 2);
    EXPECT_EQ(s.txt[0], "Molèc. oxigen inicials: 1");
    EXPECT_EQ(s.txt[1], "Molèc. oxigen presents: 0");
    EXPECT_EQ(s.txt[2], "Òxid ferrós(FeO) format: 2");
    EXPECT_FALSE(s.meca.MecaCapturat);
}

TEST_F(ReaccioFeOTest, AnOxidisedCellIsNeverOxidisedAgain) {
    s.caja.AtomB[8].tag = '3';
    ReaccioFeO(s, 0);
    EXPECT_EQ(oxidisedCount(), 1);
    EXPECT_EQ(s.NumCellesOxid, 0);
    EXPECT_EQ(s.nO2, 1);
}

TEST_F(ReaccioFeOTest, MiddleColumnsAreCapturedAndStillReact) {
    s.meca.MecaDemanat = true;
    ReaccioFeO(s, 0); // column 2: not captured
    EXPECT_FALSE(s.meca.MecaCapturat);

    SetUp();
    s.meca.MecaDemanat = true;
    arrive(4, 1, 150, 60, 0.6f); // cells 9 and 8
    const AtomShape iron = s.caja.AtomB[9];
    ReaccioFeO(s, 0);
    EXPECT_TRUE(s.meca.MecaCapturat);
    EXPECT_EQ(s.meca.IdxMeca[0], 9);
    EXPECT_EQ(s.meca.IdxMeca[1], 8);
    EXPECT_EQ(s.meca.IdxMeca[3], 1);
    EXPECT_EQ(s.meca.FotoMeca[0].left, iron.left);
    EXPECT_EQ(s.meca.FotoMeca[0].width, kDFe);
    EXPECT_EQ(unpackRgb(std::lround(s.meca.FotoMeca[0].fill)), kMetalFill);
    EXPECT_EQ(unpackRgb(std::lround(s.meca.FotoMeca[2].fill)), ColorsEspecie(5));
    EXPECT_TRUE(oxidised(9));
}

TEST_F(ReaccioFeOTest, AnOxygenReachingTheFloorReactsInTheTick) {
    test::FakeClock clock;
    test::ScriptedRandom rnd;
    test::CountingRules rules{clock, rnd};
    AnimationStep step{s, clock, rnd, rules};
    s.AtomAX[0] = s.AtomAX[1] = 0; // not drawn again once reacted
    step.tick();
    EXPECT_TRUE(oxidised(7));
    EXPECT_TRUE(oxidised(8));
    EXPECT_EQ(s.AtomAX[0], 0);
    EXPECT_EQ(s.caja.AtomA[0].left, s.PantAX[0]);
}

} // namespace
} // namespace tarvon
