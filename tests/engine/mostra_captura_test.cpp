#include "engine/mostra_captura.h"

#include "capture_fixture.h"
#include "reactions/hi/hi.h"

namespace tarvon {
namespace {

using MostraCapturaTest = test::CaptureFixture;

TEST_F(MostraCapturaTest, AGasCapturePausesWithoutRedrawingTheGroup) {
    UseReaction(s, &kHI);
    MostraCaptura(s);
    EXPECT_FALSE(s.controls.tmrRellotgeEnabled);
    EXPECT_TRUE(s.meca.CapturaEnPantalla);
    EXPECT_EQ(s.caja.AtomA[5].borderWidth, 1) << "a gas group is not restored";
}

} // namespace
} // namespace tarvon
