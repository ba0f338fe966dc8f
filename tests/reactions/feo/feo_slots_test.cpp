#include "engine/slot_drawing_fixture.h"
#include "reactions/feo/feo_parts.h"

#include <vector>

namespace tarvon {
namespace {

using FeOSlots = test::SlotDrawing;

// Two O atoms 2k r apart, both brought in front of everything.
TEST_F(FeOSlots, OxygenIsDrawnInFrontOfTheIronSurface) {
    s.caja.shpCara[0].visible = true;
    s.RadiA[0] = 60;
    row(3, {0, 4, 5});
    slot(3, 700, 1, 0, 0);
    DrawFeO(s, 3);
    EXPECT_NEAR(s.AtomAX[5] - s.AtomAX[4], 2 * 0.85 * 60, 1e-3);
    const auto order = s.caja.paintOrder();
    EXPECT_EQ(order.back(), &s.caja.AtomA[5]);
    EXPECT_EQ(order[order.size() - 2], &s.caja.AtomA[4]);
}

TEST_F(FeOSlots, TheFloorIsTheIronSurface) {
    s.RadiA[0] = 60;
    s.PasOxid = 100;
    const WallLimits feo = wallLimits(s, MarginsFeO(s, 4));
    // r + 0.7 PasOxid above the floor.
    EXPECT_EQ((std::vector<float>{feo.xLo, feo.xHi, feo.yLo, feo.yHi, feo.zLo, feo.zHi}),
              (std::vector<float>{220, 2860, 440, 3070, 120, 2880}));
}

} // namespace
} // namespace tarvon
