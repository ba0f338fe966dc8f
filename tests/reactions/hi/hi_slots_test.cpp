#include "engine/slot_drawing_fixture.h"
#include "reactions/hi/hi_parts.h"

namespace tarvon {
namespace {

using HISlots = test::SlotDrawing;

TEST_F(HISlots, IodineThenHydrogenAlongTheSlotAndBothRadiiFromEveryWall) {
    slot(2, 0, 1, 0, 0);
    s.RadiA[2] = 100, s.RadiB[2] = 30;
    DrawHI(s, 2);
    EXPECT_FLOAT_EQ(s.AtomAX[2], 1200 - 0.85f * 30);
    EXPECT_FLOAT_EQ(s.AtomBX[2], s.AtomAX[2] + 0.85f * 130);
    EXPECT_FLOAT_EQ(s.caja.AtomA[2].left, s.AtomAX[2] - 100);
    EXPECT_FLOAT_EQ(s.caja.AtomB[2].top + s.caja.AtomB[2].height / 2, 1300 + s.DesplY);

    s.RadiA[4] = 90, s.RadiB[4] = 30;
    EXPECT_FLOAT_EQ(wallLimits(s, MarginsHI(s, 4)).zLo, 120);
}

} // namespace
} // namespace tarvon
