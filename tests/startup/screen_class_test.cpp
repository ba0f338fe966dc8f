#include "startup/screen_class.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(ClassifyScreen, OnlyWidthsOutside14000To16000TwipsAreRescaled) {
    const struct {
        double twips;
        float factor;
        bool change;
    } cases[] = {
        {13999, 0.78125f, true}, {12000, 0.78125f, true},                        // 800 pixels
        {14000, 1.0f, false},    {15360, 1.0f, false},                           // 1024 pixels
        {16000, 1.0f, false},    {16001, 1.125f, true},   {17280, 1.125f, true}, // 1152
    };
    for (const auto& c : cases) {
        const ScreenClass s = ClassifyScreen(c.twips);
        EXPECT_EQ(s.FactorPantalla, c.factor) << c.twips;
        EXPECT_EQ(s.CanviPantalla, c.change) << c.twips;
    }
}

} // namespace
} // namespace tarvon
