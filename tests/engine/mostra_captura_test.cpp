#include "engine/mostra_captura.h"
#include "fakes.h"
#include "reactions/feo/feo.h"
#include "reactions/hgo/hgo.h"
#include "reactions/hi/hi.h"

#include <gtest/gtest.h>

#include <algorithm>

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

TEST_F(MostraCapturaTest, SolidGroupsAreRestoredAsPhotographedAfterAGasOnlyPauses) {
    s.Reaccio = &kHI;
    MostraCaptura(s);
    EXPECT_FALSE(s.controls.tmrRellotgeEnabled);
    EXPECT_TRUE(s.meca.CapturaEnPantalla);
    EXPECT_EQ(s.caja.AtomA[5].borderWidth, 1) << "a gas group is not restored";

    s.Reaccio = &kHgO;
    MostraCaptura(s);
    const AtomShape* group[4] = {&s.caja.AtomA[5], &s.caja.AtomA[2], &s.caja.AtomB[7],
                                 &s.caja.AtomB[3]};
    // In front of every other atom, as a group inside the solid would be hidden.
    const long long frontmost = group[0]->stackKey;
    for (long i = 0; i < 8; ++i)
        for (const AtomShape* other : {&s.caja.AtomA[i], &s.caja.AtomB[i]})
            EXPECT_TRUE(other->stackKey <= frontmost ||
                        std::find(group, group + 4, other) != group + 4);
    for (int n = 0; n < 4; ++n) {
        const AtomShape& g = *group[n];
        EXPECT_EQ((std::vector<float>{g.left, g.top, g.height, g.width}),
                  (std::vector<float>{100.0f * n, 1000.0f + n, 60.0f + n, 70.0f + n}));
        EXPECT_EQ(g.fill, (Rgb{10 * n, 20, 30})) << n;
        EXPECT_TRUE(g.visible && g.borderWidth == 2 && g.border == (Rgb{0, 255, 0})) << n;
    }

    // "FeO" stacks each oxygen over its iron.
    s.Reaccio = &kFeO;
    s.PasOxid = 90;
    MostraCaptura(s);
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
