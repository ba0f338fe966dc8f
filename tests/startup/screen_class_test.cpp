#include "startup/screen_class.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(ClassifyScreen, OnlyWidthsOutside14000To16000TwipsAreRescaled) {
    const struct {
        double twips;
        float factor;
    } cases[] = {{13999, 0.78125f}, {14000, 1.0f}, {16000, 1.0f}, {16001, 1.125f}};
    for (const auto& c : cases) {
        const ScreenClass s = ClassifyScreen(c.twips);
        EXPECT_EQ(s.FactorPantalla, c.factor) << c.twips;
        EXPECT_EQ(s.CanviPantalla, c.factor != 1.0f) << c.twips;
    }
}

} // namespace
} // namespace tarvon
