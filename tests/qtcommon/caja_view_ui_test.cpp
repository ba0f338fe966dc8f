// The box drawn at the device pixel ratio of where it is shown: the cube's
// picture at twice the pixels on a ratio-2 screen, still with aliased edges
// and flat faces, and the atoms sharp.
#include "layout/box_colours.h"
#include "qtcommon/caja_view.h"
#include "qtcommon/twips.h"
#include "reactions/registry.h"
#include "tools/sim_run.h"
#include "window/box_view.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <set>

namespace tarvon {
namespace {

struct Box {
    Box() : run(options(), 3, '.'), caja(run.state().caja) {
        const SimulationState& s = run.state();
        caja.resize(twipsToPixels(0, 0, s.LimitVisX, s.LimitVisY).size());
        ColorsFonsTable fons = kColorsFons;
        DrawNormalBox(caja, run.state(), fons);
    }
    static SimOptions options() {
        SimOptions o;
        o.reaction = FindReaction("HI");
        return o;
    }
    // The widget painted into an image of `ratio` device pixels per pixel.
    QImage render(double ratio) {
        QImage image(caja.size() * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        caja.render(&image);
        return image;
    }
    SimRun run;
    CajaView caja;
};

std::set<QRgb> colours(const QImage& image) {
    std::set<QRgb> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            found.insert(image.pixel(x, y));
    return found;
}

TEST(CajaView, CubeIsDrawnAgainAtTheDevicePixelRatioNotScaled) {
    Box box;
    const QImage one = box.caja.pictureImage().copy();
    box.render(2);
    const QImage two = box.caja.pictureImage().copy();
    ASSERT_EQ(two.size(), one.size() * 2);
    // Aliased lines and flood fills: no blend of two colours, as scaling would make.
    EXPECT_EQ(colours(two), colours(one));
    // Every pixel of the picture at ratio 1 is the colour of the same place at ratio 2,
    // but where an edge passes.
    int differ = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x)
            differ += one.pixel(x, y) != two.pixel(2 * x + 1, 2 * y + 1);
    EXPECT_LT(differ, one.width() * one.height() / 50);
    // An edge 1 pixel wide is 2 device pixels wide: the front face's left edge.
    const SimulationState& s = box.run.state();
    const int row = static_cast<int>((s.OrigenY + s.DesplY + s.CaixaY / 2) / 15 * 2);
    const int column = static_cast<int>(s.OrigenX / 15 * 2);
    const QRgb edge = two.pixel(column, row);
    int width = 0;
    for (int x = column - 6; x <= column + 6; ++x)
        width += two.pixel(x, row) == edge;
    EXPECT_EQ(width, 2);
    // Back to ratio 1: the same picture as first drawn.
    box.render(1);
    EXPECT_EQ(box.caja.pictureImage(), one);
}

TEST(CajaView, AtomsArePaintedAtTheDevicePixelRatio) {
    Box box;
    box.run.tick(); // the atoms are shown once drawn
    const QImage two = box.render(2);
    // An atom's centre and a point just inside its rim, in device pixels.
    const AtomShape& a = box.run.state().caja.AtomA[1];
    ASSERT_TRUE(a.visible);
    const double cx = (a.left + a.width / 2) / 15 * 2, cy = (a.top + a.height / 2) / 15 * 2;
    const double r = a.width / 15; // radius in device pixels at ratio 2
    const QRgb centre = two.pixel(static_cast<int>(cx), static_cast<int>(cy));
    EXPECT_EQ(centre, qRgb(a.fill.r, a.fill.g, a.fill.b));
    EXPECT_EQ(two.pixel(static_cast<int>(cx + r - 3), static_cast<int>(cy)), centre);
}

} // namespace
} // namespace tarvon
