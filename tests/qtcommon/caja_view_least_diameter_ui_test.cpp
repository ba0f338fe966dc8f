#include "engine/caja_shapes.h"
#include "qtcommon/caja_view.h"

#include <QImage>
#include <gtest/gtest.h>

namespace tarvon {
namespace {

// The painted extent of what differs from the back colour, in pixels.
QRect Painted(const QImage& image, const QColor& back) {
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != back)
                r |= QRect(x, y, 1, 1);
    return r;
}

struct Drawn {
    QRect atom, big;
};

// A 2-pixel atom centred at (20, 20) and a 12-pixel one at (60, 20).
Drawn Paint(double least) {
    CajaShapes shapes;
    shapes.AtomA.load(1);
    AtomShape& small = shapes.AtomA[1];
    small = {19 * 15,       19 * 15, 2 * 15,    2 * 15, {255, 128, 0},     true,
             {255, 128, 0}, 1,       kTagKindA, true,   ShapeForm::Circle, small.stackKey};
    AtomShape& big = shapes.AtomB[0];
    big = {54 * 15,     14 * 15, 12 * 15,   12 * 15, {0, 0, 255},       true,
           {0, 0, 255}, 1,       kTagKindB, true,    ShapeForm::Circle, big.stackKey};
    CajaView view(shapes);
    view.setBackColor(Qt::white);
    view.resize(80, 40);
    view.setMinimumAtomDiameter(least);
    const QImage image = view.grab().toImage();
    const QImage left = image.copy(0, 0, 40, 40), right = image.copy(40, 0, 40, 40);
    EXPECT_EQ(shapes.AtomA[1].width, 30) << "the shape itself keeps its size";
    return {Painted(left, Qt::white), Painted(right, Qt::white).translated(40, 0)};
}

TEST(CajaView, SmallAtomsAreDrawnAtTheLeastDiameterAboutTheirCentre) {
    const Drawn plain = Paint(0);
    const Drawn grown = Paint(8);
    EXPECT_LE(plain.atom.width(), 3);
    EXPECT_GE(grown.atom.width(), 8);
    EXPECT_LE(grown.atom.width(), 9);
    EXPECT_GE(grown.atom.height(), 8);
    EXPECT_NEAR(grown.atom.center().x(), plain.atom.center().x(), 1);
    EXPECT_NEAR(grown.atom.center().y(), plain.atom.center().y(), 1);
    // A larger atom is drawn as it is.
    EXPECT_EQ(grown.big, plain.big);
}

} // namespace
} // namespace tarvon
