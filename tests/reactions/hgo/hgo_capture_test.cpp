#include "engine/capture_fixture.h"
#include "engine/mostra_captura.h"
#include "reactions/hgo/hgo.h"

#include <algorithm>

namespace tarvon {
namespace {

using HgOCapture = test::CaptureFixture;

TEST_F(HgOCapture, TheIonsAreRestoredAsPhotographedInFrontOfTheSolid) {
    UseReaction(s, &kHgO);
    MostraCaptura(s);
    EXPECT_FALSE(s.controls.tmrRellotgeEnabled);
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
}

} // namespace
} // namespace tarvon
