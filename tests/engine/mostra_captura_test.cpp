#include "engine/mostra_captura.h"
#include "fakes.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

class MostraCapturaTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::dressEightAtoms(s);
        const std::int16_t idx[4] = {5, 2, 7, 3};
        for (int n = 0; n < 4; ++n) {
            s.meca.IdxMeca[n] = idx[n];
            s.meca.FotoMeca[n] = {100.0f * n, 1000.0f + n, 60.0f + n, 70.0f + n,
                                  static_cast<float>(packRgb({10 * n, 20, 30}))};
        }
        s.controls.tmrRellotgeEnabled = true;
    }
    SimulationState s;
};

TEST_F(MostraCapturaTest, GasReactionOnlyPauses) {
    s.Reaccio = "HI";
    const AtomShape before = s.caja.AtomA[5];
    MostraCaptura(s);
    EXPECT_FALSE(s.controls.tmrRellotgeEnabled);
    EXPECT_TRUE(s.controls.cmdContinuarVisible);
    EXPECT_EQ(s.caja.AtomA[5].left, before.left);
    EXPECT_EQ(s.caja.AtomA[5].border, before.border);
}

TEST_F(MostraCapturaTest, MercuryOxideGroupIsRestoredAsPhotographed) {
    s.Reaccio = "HgO";
    MostraCaptura(s);
    const AtomShape* group[4] = {&s.caja.AtomA[5], &s.caja.AtomA[2], &s.caja.AtomB[7],
                                 &s.caja.AtomB[3]};
    for (int n = 0; n < 4; ++n) {
        const AtomShape& g = *group[n];
        EXPECT_FLOAT_EQ(g.left, 100.0f * n) << n;
        EXPECT_FLOAT_EQ(g.top, 1000.0f + n) << n;
        EXPECT_FLOAT_EQ(g.height, 60.0f + n) << n;
        EXPECT_FLOAT_EQ(g.width, 70.0f + n) << n;
        EXPECT_EQ(g.fill, (Rgb{10 * n, 20, 30})) << n;
        EXPECT_EQ(g.border, (Rgb{0, 255, 0})) << n;
        EXPECT_EQ(g.borderWidth, 2) << n;
        EXPECT_TRUE(g.visible) << n;
    }
    EXPECT_FALSE(s.controls.tmrRellotgeEnabled);
}

TEST_F(MostraCapturaTest, IronOxideStacksEachOxygenOverItsIron) {
    s.Reaccio = "FeO";
    s.PasOxid = 90;
    MostraCaptura(s);
    const AtomShape &fe0 = s.caja.AtomB[5], &fe1 = s.caja.AtomB[2];
    const AtomShape &o0 = s.caja.AtomA[7], &o1 = s.caja.AtomA[3];
    EXPECT_FLOAT_EQ(fe0.left, 0);
    EXPECT_FLOAT_EQ(o0.left, 0);
    EXPECT_FLOAT_EQ(fe1.left, 100);
    EXPECT_FLOAT_EQ(o1.left, 100);
    EXPECT_FLOAT_EQ(fe0.top, 1000 - 45);
    EXPECT_FLOAT_EQ(fe1.top, 1001 - 45);
    EXPECT_FLOAT_EQ(o0.top, 1002 - 60);
    EXPECT_FLOAT_EQ(o1.top, 1003 - 60);
    EXPECT_EQ(o1.fill, (Rgb{30, 20, 30}));
    EXPECT_EQ(fe0.border, (Rgb{0, 255, 0}));
}

TEST_F(MostraCapturaTest, CaptureIndexOutsideTheShapesRaises) {
    s.Reaccio = "HgO";
    s.meca.IdxMeca[2] = 40; // never created
    EXPECT_THROW(MostraCaptura(s), IndexOutOfRange);
}

} // namespace
} // namespace tarvon
