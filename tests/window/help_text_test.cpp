#include "window/help_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tarvon {
namespace {

TEST(HelpText, SectionsEntriesAndLineRules) {
    const std::vector<std::string> headings = help_layout::ExpectLayout(TextAjuda(Catala()));
    const std::vector<std::string> catalan{
        "Arxiu (Alt -A):",    "Accions (Alt-C):",  "Eines (Alt -E):",
        "Reaccions (Alt-R):", "Cinètica (Alt-N):", "Finestra (Alt -F):"};
    EXPECT_EQ(headings, catalan);
}

TEST(HelpText, EntriesNameTheItemsOfTheirMenu) {
    help_layout::ExpectEntriesNameTheirItems(TextAjuda(Catala()), Catala());
}

TEST(HelpText, PlacementScalesWithTheScreen) {
    const AjudaPlacement p = PlacementAjuda(0.78125f);
    EXPECT_NEAR(p.Width, 3984.375, 1e-3);
    EXPECT_NEAR(p.FontSize, 7.8125, 1e-4);
    EXPECT_NEAR(p.Left, 8007.8125, 1e-2);
    EXPECT_NEAR(p.TextHeight, (10580 - 550) * 0.78125, 1e-2);
    EXPECT_NEAR(p.TextWidth, (5100 - 100) * 0.78125, 1e-2);
}

TEST(HelpText, FittedPlacementLiesWithinTheScreenAndKeepsItsMargins) {
    // Screens in twips (15 per pixel), less a title bar.
    const struct {
        float factor, width, height;
    } cases[] = {{1.0f, 15360, 11100},
                 {1.125f, 19200, 10200},
                 {1.5f, 28800, 15500},
                 {0.75f, 9600, 6600},
                 {1.125f, 19200, 14700}};
    for (const auto& c : cases) {
        const AjudaPlacement wanted = PlacementAjuda(c.factor);
        const AjudaPlacement p = FitAjuda(wanted, c.width, c.height);
        EXPECT_GE(p.Left, 0) << c.width;
        EXPECT_GE(p.Top, 0) << c.width;
        EXPECT_LE(p.Left + p.Width, c.width) << c.width;
        EXPECT_LE(p.Top + p.Height, c.height) << c.width;
        EXPECT_FLOAT_EQ(p.Height - p.TextHeight, wanted.Height - wanted.TextHeight);
        EXPECT_FLOAT_EQ(p.Width - p.TextWidth, wanted.Width - wanted.TextWidth);
        EXPECT_EQ(p.FontSize, wanted.FontSize);
        // What already fits is left where it is.
        if (wanted.Left + wanted.Width <= c.width && wanted.Top + wanted.Height <= c.height) {
            EXPECT_EQ(p.Left, wanted.Left);
            EXPECT_EQ(p.Height, wanted.Height);
        }
    }
}

} // namespace
} // namespace tarvon
