#include "engine/slot_drawing.h"

#include "slot_drawing_fixture.h"

#include <vector>

namespace tarvon {
namespace {

using SlotDrawingTest = test::SlotDrawing;

TEST_F(SlotDrawingTest, DeeperBandsEndFurtherBack) {
    s.DistEnllac = 250; // bands of 500
    s.NombreMol = 4;
    const float depth[] = {500, 0, 1400, 501}; // bands 0, none, 2, 1
    for (int i = 0; i < 4; ++i) {
        s.PosZ[i] = depth[i];
        s.caja.AtomA[i].visible = s.caja.AtomB[i].visible = true;
    }
    RestackByDepth(s);
    const auto order = s.caja.paintOrder();
    const std::vector<const AtomShape*> expected = {
        &s.caja.AtomB[2], &s.caja.AtomA[2], &s.caja.AtomB[3], &s.caja.AtomA[3],
        &s.caja.AtomB[0], &s.caja.AtomA[0], &s.caja.AtomB[1], &s.caja.AtomA[1]};
    EXPECT_EQ(order, expected);
}

} // namespace
} // namespace tarvon
