#include "kinetics/plot_area.h"

#include <QFont>
#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(NiceAxis, RoundsOutToStepsOfOneTwoOrFive) {
    NiceAxis a = NiceAxisFor(0, 37);
    EXPECT_DOUBLE_EQ(a.low, 0);
    EXPECT_DOUBLE_EQ(a.high, 40);
    EXPECT_DOUBLE_EQ(a.step, 10);
    a = NiceAxisFor(1.62, 3.61, 4); // ln N of a falling count
    EXPECT_DOUBLE_EQ(a.step, 0.5);
    EXPECT_DOUBLE_EQ(a.low, 1.5);
    EXPECT_DOUBLE_EQ(a.high, 4);
    a = NiceAxisFor(144, 144); // a flat series still gets an axis
    EXPECT_LT(a.low, a.high);
    EXPECT_LE(a.low, 144);
    EXPECT_GE(a.high, 144);
}

TEST(NiceAxis, TickLabelsAsShortAsTheStepWithTheSeparator) {
    EXPECT_EQ(TickText(20, 10, ','), "20");
    EXPECT_EQ(TickText(0.15, 0.05, ','), "0,15");
    EXPECT_EQ(TickText(0.15, 0.05, '.'), "0.15");
    EXPECT_EQ(TickText(-1e-17, 0.5, ','), "0,0"); // no "-0,0" from rounding
}

TEST(PlotArea, MapsTheAxesOntoTheInnerFrame) {
    const PlotArea area(QRectF(0, 0, 400, 300), {0, 10, 2}, {0, 100, 20}, QFont(), ',');
    const QRectF inner = area.inner();
    EXPECT_TRUE(QRectF(0, 0, 400, 300).contains(inner));
    EXPECT_EQ(area.map({0, 0}), inner.bottomLeft());
    EXPECT_EQ(area.map({10, 100}), inner.topRight());
    EXPECT_DOUBLE_EQ(area.map({5, 50}).x(), inner.center().x());
}

} // namespace
} // namespace tarvon
