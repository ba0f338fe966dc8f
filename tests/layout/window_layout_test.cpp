#include "layout/window_layout.h"

#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(WindowLayout, ReferenceScreenKeepsTheBaseTable) {
    const WindowLayout l = LayoutFor(1.0f, false);
    const ControlGeometry& c = l.at("cmdContinuar");
    EXPECT_TRUE(c.Left == 8400 && c.Top == 9500 && c.Width == 1300 && c.Height == 375);
    EXPECT_EQ(l.picPortada, "Arxius_orvalis/ComplexActivat5.jpg");
    // The per-index rows override the first pass, which still gives what they leave.
    EXPECT_EQ(l.at("lblTipus(0)").Left, 9300);
    EXPECT_EQ(l.at("lblTipus(2)").Left, 10000);
    EXPECT_EQ(l.at("lblTipus(3)").Width, 5200);
    EXPECT_EQ(l.at("lblTipus(4)").Height, 3500);
    EXPECT_EQ(l.at("txt3").Top, 6800);
    EXPECT_EQ(l.at("lblDS2").Top, 600 + 8400);
    EXPECT_TRUE(l.AmpladaZona == 9700 && l.LimitVisY == 8000 && l.ConstCaixa == 10);
}

TEST(WindowLayout, NarrowScreenScalesFromItsOwnBaseAndSmallerPicture) {
    const WindowLayout l = LayoutFor(0.78125f, true);
    const ControlGeometry& c = l.at("cmdContinuar");
    EXPECT_TRUE(c.Left == 6562.5f && c.Top == 7421.875f);
    EXPECT_TRUE(c.Width == 1015.625f && c.Height == 292.96875f && c.FontSize == 6.25f);
    const ControlGeometry& p = l.at("lblPropietats");
    EXPECT_TRUE(p.Left == 7656.25f && p.Top == 5859.375f && p.Width == 4218.75f);
    EXPECT_EQ(p.Height, 3400 * 0.78125f);
    EXPECT_EQ(l.picPortada, "Arxius_orvalis/ComplexActivat800.jpg");
    EXPECT_TRUE(l.DiamBase == 117.1875f && l.ConstCaixa == 7.8125f && l.FontSize == 9.375f);
    EXPECT_EQ(l.at("Caja").Top, 468.75f);
}

TEST(WindowLayout, WideScreenScalesPositionsSizesAndFonts) {
    const WindowLayout l = LayoutFor(1.125f, true);
    EXPECT_TRUE(l.at("cmdContinuar").Left == 9450 && l.at("cmdContinuar").Top == 10687.5f);
    const ControlGeometry& p = l.at("lblPropietats");
    EXPECT_TRUE(p.Left == 11700 && p.Top == 8696.25f && p.Width == 5400);
    EXPECT_EQ(l.picPortada, "Arxius_orvalis/ComplexActivat5.jpg");
    EXPECT_EQ(l.at("picPortada").Left, 300 * 1.125f);
    EXPECT_EQ(l.at("picRI(1)").Top, 112.5f);
    // The chronometer's controls scale inside their panel; the start button keeps its font.
    const WindowLayout base = LayoutFor(1.0f, false);
    EXPECT_EQ(l.at("lblMinuts").Left, base.at("lblMinuts").Left * 1.125f);
    EXPECT_EQ(l.at("cmdTancarCrono").FontSize, base.at("cmdTancarCrono").FontSize * 1.125f);
    EXPECT_EQ(l.at("cmdIniciCrono").FontSize, 0);
    EXPECT_EQ(l.at("VScrollVel").Height, 2250);
    EXPECT_EQ(l.AmpladaZona, 9700 * 1.125f);
}

// The title is placed from the box's design position (Left 840), not from
// where the box is later sized to.
TEST(WindowLayout, TitleLabelsStartFromTheBoxDesignPositionOnEveryScreen) {
    for (const float f : {1.0f, 0.78125f, 1.125f}) {
        const WindowLayout l = LayoutFor(f, f != 1.0f);
        for (const char* title : {"lblDS1", "lblDS2"}) {
            EXPECT_EQ(l.at(title).Left, 940 * f) << title << " at " << f;
            EXPECT_EQ(l.at(title).Width, 2000 * f) << title << " at " << f;
        }
        EXPECT_EQ(l.at("lblDS1").Top, 8700 * f);
    }
}

} // namespace
} // namespace tarvon
