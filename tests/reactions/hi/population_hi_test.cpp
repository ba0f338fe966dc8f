#include "reactions/population_fixture.h"

namespace tarvon {
namespace {

using test::populated;

// Iodine rB·k behind the slot centre, hydrogen one bond further along the slot.
TEST(PoblacioHI, IodineAndHydrogenOneBondApartAlongTheSlot) {
    const auto s = populated("HI", 120);
    const float k = 0.85f, rB = s->RadiB[0], bond = k * (s->RadiA[0] + rB);
    for (int i = 0; i < s->NombreMol; ++i) {
        EXPECT_NEAR(s->AtomAY[i] - s->PosY[i], rB * k * s->DirY[i], 0.01) << i;
        EXPECT_NEAR(s->AtomBX[i] - s->AtomAX[i], bond * s->DirX[i], 0.01) << i;
        EXPECT_NEAR(s->AtomBZ[i] - s->AtomAZ[i], bond * s->DirZ[i], 0.01) << i;
    }
}

} // namespace
} // namespace tarvon
