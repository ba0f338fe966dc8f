#include "engine/capture_fixture.h"
#include "engine/mostra_captura.h"
#include "reactions/feo/feo.h"

namespace tarvon {
namespace {

using FeOCapture = test::CaptureFixture;

// Each oxygen stacked over its iron, both lifted onto the oxidised layer.
TEST_F(FeOCapture, EachOxygenIsShownOverItsIron) {
    UseReaction(s, &kFeO);
    s.PasOxid = 90;
    MostraCaptura(s);
    EXPECT_FALSE(s.controls.tmrRellotgeEnabled);
    const AtomShape* feo[4] = {&s.caja.AtomB[5], &s.caja.AtomB[2], &s.caja.AtomA[7],
                               &s.caja.AtomA[3]};
    const float lift[4] = {45, 45, 60, 60};
    for (int n = 0; n < 4; ++n) {
        EXPECT_FLOAT_EQ(feo[n]->left, 100.0f * (n % 2)) << n;
        EXPECT_FLOAT_EQ(feo[n]->top, 1000.0f + n - lift[n]) << n;
        EXPECT_EQ(feo[n]->border, (Rgb{0, 255, 0})) << n;
    }
    EXPECT_EQ(feo[3]->fill, (Rgb{30, 20, 30}));
}

} // namespace
} // namespace tarvon
