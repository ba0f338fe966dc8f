#include "assets/icon_picture.h"

#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include <cstdlib>

namespace assets {
namespace {

// Mean difference per channel, 0 to 255, of two images of one size.
double meanDifference(const QImage& a, const QImage& b) {
    long long sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return double(sum) / (4.0 * a.width() * a.height());
}

// The installed SVG is what desktops scale for sizes between the PNGs: it must show the same
// picture, gradients and all, and not lose a part of it on the way to vector form.
TEST(ProgramIcon, ScalableFileShowsWhatThePixelSizesShow) {
    QSvgRenderer svg(QStringLiteral(ICON_SVG));
    ASSERT_TRUE(svg.isValid());
    for (int size : {48, 256}) {
        SCOPED_TRACE(size);
        QImage fromSvg(size, size, QImage::Format_ARGB32_Premultiplied);
        fromSvg.fill(Qt::transparent);
        QPainter p(&fromSvg);
        svg.render(&p);
        p.end();
        const QImage painted = renderIcon(size).convertToFormat(fromSvg.format());
        EXPECT_LT(meanDifference(fromSvg, painted), 0.5);
        // The tile: transparent beyond its rounded corners, opaque in the middle.
        EXPECT_EQ(qAlpha(painted.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(painted.pixel(size / 2, size / 2)), 255);
    }
}

} // namespace
} // namespace assets
