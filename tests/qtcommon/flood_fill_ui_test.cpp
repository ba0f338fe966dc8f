#include "qtcommon/flood_fill.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace tarvon {
namespace {

const QRgb kBack = qRgb(220, 255, 255);
const QRgb kEdge = qRgb(150, 0, 255);
const QRgb kFace = qRgb(255, 255, 200);

// A triangle outlined with one-pixel aliased lines, diagonals included.
QImage triangle() {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(kBack);
    QPainter p(&image);
    p.setPen(QPen(QColor(kEdge), 1));
    p.drawLine(10, 90, 90, 90);
    p.drawLine(10, 90, 50, 10);
    p.drawLine(50, 10, 90, 90);
    return image;
}

TEST(FloodFill, FillsInsideAnOutlineWithoutLeakingThroughDiagonals) {
    QImage image = triangle();
    floodFill(image, {50, 60}, kFace);
    EXPECT_EQ(image.pixel(50, 89), kFace);
    EXPECT_EQ(image.pixel(20, 85), kFace);
    EXPECT_EQ(image.pixel(80, 85), kFace);
    EXPECT_EQ(image.pixel(5, 5), kBack);
    EXPECT_EQ(image.pixel(50, 95), kBack);
    EXPECT_EQ(image.pixel(50, 90), kEdge);
}

TEST(FloodFill, SeedOnALineRecoloursThatLineAndSeedsOutsideDoNothing) {
    QImage image = triangle();
    floodFill(image, {50, 90}, kFace);
    EXPECT_EQ(image.pixel(10, 90), kFace);
    EXPECT_EQ(image.pixel(90, 90), kFace);
    EXPECT_EQ(image.pixel(50, 60), kBack);
    // The diagonals touch the base only corner to corner: their far ends
    // are not part of the line's region.
    EXPECT_EQ(image.pixel(50, 10), kEdge);

    const QImage before = image; // seeds that cannot fill change nothing
    for (const QPoint seed : {QPoint(-1, 5), QPoint(5, 100), QPoint(100000, -100000)})
        floodFill(image, seed, kFace);
    floodFill(image, {5, 5}, kBack); // already that colour
    EXPECT_EQ(image, before);
}

TEST(FloodFill, WindingRegionOfALargePictureIsFilledToItsEnd) {
    // Walls every 4 columns, open alternately at the top and the bottom: the
    // region winds up and down across the whole picture.
    QImage image(2000, 1500, QImage::Format_RGB32);
    image.fill(kBack);
    QPainter p(&image);
    p.setPen(QPen(QColor(kEdge), 1));
    for (int x = 2, k = 0; x < 2000; x += 4, ++k)
        p.drawLine(x, k % 2 == 0 ? 0 : 2, x, k % 2 == 0 ? 1497 : 1499);
    p.end();
    floodFill(image, {0, 0}, kFace);
    EXPECT_EQ(image.pixel(1999, 750), kFace);
}

} // namespace
} // namespace tarvon
