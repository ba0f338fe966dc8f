#include "layout/mida_caixa.h"

#include "reactions/registry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace tarvon {
namespace {

// The reference screen with a 12-particle side and a bond of 200.
MidaCaixaInputs ReferenceBox() {
    MidaCaixaInputs in;
    in.CostatNP = 12;
    in.DistEnllac = 200;
    return in;
}

// Every length the window scales by the screen-class factor.
MidaCaixaInputs ScaledTo(float f, MidaCaixaInputs in) {
    in.FactorPantalla = f;
    in.ConstCaixa = 10 * f;
    in.AmpladaZona = 9700 * f;
    in.LimitVisY = 8000 * f;
    return in;
}

TEST(MidaCaixa, ReferenceScreenExample) {
    const MidaCaixaResult r = MidaCaixa(ReferenceBox());
    EXPECT_EQ(r.view, BoxView::Normal);
    EXPECT_FLOAT_EQ(r.RatioPersp, 0.15f);
    EXPECT_FLOAT_EQ(r.CaixaX, 4168.8f);
    EXPECT_FLOAT_EQ(r.CaixaZ, 4168.8f);
    EXPECT_FLOAT_EQ(r.DesplX, 625.32f);
    EXPECT_FLOAT_EQ(r.DesplY, 625.32f);
    EXPECT_FLOAT_EQ(r.AjustY, 1455.0f);
    EXPECT_FLOAT_EQ(r.CaixaY, 5407.7952f + 1455.0f);
    EXPECT_FLOAT_EQ(r.Persp, 625.32f * std::numbers::sqrt2_v<float>);
    EXPECT_FLOAT_EQ(r.AnglePersp, std::numbers::pi_v<float> / 4);
    EXPECT_FLOAT_EQ(r.LimitVisX, 6000.0f);
    EXPECT_FLOAT_EQ(r.OrigenX, 562.94f);
    EXPECT_FLOAT_EQ(r.OrigenY, 194.0f);
    EXPECT_FLOAT_EQ(r.Caja.Left, 1775.0f);
    EXPECT_FLOAT_EQ(r.Caja.Top, 600.0f);
    EXPECT_FLOAT_EQ(r.Caja.Width, 6000.0f);
    EXPECT_FLOAT_EQ(r.Caja.Height, 8000.0f);

    BoxGeometry g;
    ApplyBoxGeometry(r, g);
    EXPECT_EQ(g.CaixaY, r.CaixaY);
    EXPECT_EQ(g.LimitVisY, 8000.0f);
}

TEST(MidaCaixa, WideBoxKeepsItsOwnMarginAndIsNotCentred) {
    MidaCaixaInputs in = ReferenceBox();
    in.CostatNP = 15;
    in.DistEnllac = 255;
    const MidaCaixaResult r = MidaCaixa(in);
    const float x = 15 * 0.9f * 255 * 1.93f;
    EXPECT_FLOAT_EQ(r.CaixaX, x);
    EXPECT_FLOAT_EQ(r.LimitVisX, 1.15f * x + 400);
    EXPECT_FLOAT_EQ(r.OrigenX, 160.0f);
    EXPECT_FLOAT_EQ(r.Caja.Left, (9550 - r.LimitVisX) / 2);
}

TEST(MidaCaixa, WidthStopsAtTheCapOfEachScreenClass) {
    MidaCaixaInputs big = ReferenceBox();
    big.CostatNP = 20;
    big.DistEnllac = 382.5f;
    const MidaCaixaResult reference = MidaCaixa(ScaledTo(1.0f, big));
    EXPECT_FLOAT_EQ(reference.CaixaX, 8200.0f);
    EXPECT_FLOAT_EQ(reference.Caja.Left, 170.0f); // never further left
    EXPECT_FLOAT_EQ(MidaCaixa(ScaledTo(1.125f, big)).CaixaX, 9225.0f);
    const MidaCaixaResult narrow = MidaCaixa(ScaledTo(0.78125f, big));
    EXPECT_FLOAT_EQ(narrow.CaixaX, 6171.875f);
    EXPECT_FLOAT_EQ(narrow.CaixaZ, 6171.875f);
    EXPECT_FLOAT_EQ(narrow.Caja.Top, 468.75f);
    EXPECT_FLOAT_EQ(narrow.Caja.Height, 6250.0f);

    // Between the two narrow caps only the lower one applies.
    MidaCaixaInputs mid = ScaledTo(0.78125f, ReferenceBox());
    mid.DistEnllac = 6300.0f / (12 * 0.9f * 1.93f);
    EXPECT_FLOAT_EQ(MidaCaixa(mid).CaixaX, 6171.875f);
}

TEST(MidaCaixa, DeepShiftIsFlattenedAfterTheHeightIsTaken) {
    MidaCaixaInputs in = ReferenceBox();
    in.CostatNP = 20;
    in.DistEnllac = 382.5f;
    in.FactorDiam = 1.5f;
    const MidaCaixaResult r = MidaCaixa(in);
    EXPECT_FLOAT_EQ(r.RatioPersp, 0.2f);
    EXPECT_FLOAT_EQ(r.DesplX, 1309.5f);
    EXPECT_FLOAT_EQ(r.DesplY, 1309.5f);
    // The height still uses the unflattened shift of 1640.
    EXPECT_FLOAT_EQ(r.CaixaY, (9700 - 1640) * 0.64f - 400 + 1455);
}

TEST(MidaCaixa, MechanismViewDoublesTheVisibleAreaPerReaction) {
    struct Case {
        const char* key;
        float CaixaX, CaixaY, OrigenY;
    };
    const Case cases[] = {
        {"HI", 12000, 16000, -4000},  {"NH3", 10800, 14400, -4000}, {"FeO", 12000, 16000, -9280},
        {"HgO", 12000, 16000, -8832}, {"", 12000, 16000, 194},
    };
    for (const Case& c : cases) {
        MidaCaixaInputs in = ReferenceBox();
        in.MecaDemanat = true;
        if (const ReactionDescription* reaction = FindReaction(c.key))
            in.mechanismBox = reaction->mechanismBox;
        const MidaCaixaResult r = MidaCaixa(in);
        const std::string key = c.key;
        EXPECT_EQ(r.view, BoxView::Mechanism) << key;
        EXPECT_FLOAT_EQ(r.CaixaX, c.CaixaX) << key;
        EXPECT_FLOAT_EQ(r.CaixaY, c.CaixaY) << key;
        EXPECT_FLOAT_EQ(r.CaixaZ, 12000.0f) << key;
        EXPECT_FLOAT_EQ(r.OrigenX, -3600.0f) << key;
        EXPECT_FLOAT_EQ(r.OrigenY, c.OrigenY) << key;
        EXPECT_EQ(r.AjustY, 0.0f) << key;
    }
}

} // namespace
} // namespace tarvon
