#include "engine/projection.h"
#include "engine/slot_drawing_fixture.h"
#include "reactions/nh3/nh3_parts.h"

#include <vector>

namespace tarvon {
namespace {

using NH3Slots = test::SlotDrawing;

// An N2 along z: the second atom lies one molecule size deeper.
TEST_F(NH3Slots, NitrogenAtomsLieAlongTheSlot) {
    row(1, {0, 2, 3});
    slot(1, 600, 0, 0, 1);
    DrawNH3(s, 1);
    EXPECT_NEAR(s.AtomAZ[3] - s.AtomAZ[2], 0.85 * 180, 1e-3);
}

TEST_F(NH3Slots, AmmoniaHydrogensSitOnTheNitrogenSquareAndAreHighlightedWithIt) {
    row(0, {1, 2, 3, 4, 5});
    slot(0, 600, 0, 1, 0);
    s.caja.AtomD[0].visible = true;
    DrawNH3(s, 0);
    const ScreenPos N = projectAtom(s, 1200, 1300, 600, 90, 180);
    AtomShape &n = s.caja.AtomA[2], &h1 = s.caja.AtomB[3], &h2 = s.caja.AtomB[4],
              &h3 = s.caja.AtomB[5];
    EXPECT_EQ(
        (std::vector<float>{n.left, n.top, h1.left, h1.top, h2.left, h2.top, h3.left, h3.top}),
        (std::vector<float>{N.left, N.top, N.left - 40, N.top, N.left + 180 - 40, N.top,
                            N.left + 90 - 40, N.top + 180 - 40}));
    EXPECT_FLOAT_EQ(h3.height, depthSize(s, 600, 40));
    EXPECT_TRUE(n.visible && h1.visible && h2.visible && h3.visible);
    EXPECT_EQ(s.caja.paintOrder()[4], &s.caja.AtomD[0]) << "all four sent to the back";

    row(2, {0, 0, 1}); // H2 of the second half
    s.meca.IdxMeca[0] = 0, s.meca.IdxMeca[1] = 2, s.meca.IdxMeca[2] = 0, s.meca.IdxMeca[3] = 0;
    HighlightNH3(s);
    for (AtomShape* a : {&n, &h1, &h2, &h3, &s.caja.AtomB[0], &s.caja.AtomB[1]})
        EXPECT_TRUE(a->border == (Rgb{0, 255, 0}) && a->borderWidth == 2) << a->left;
    EXPECT_EQ(s.caja.AtomA[0].borderWidth, 1);
}

} // namespace
} // namespace tarvon
