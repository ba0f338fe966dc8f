#include "launcher/textured_background.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace tarvon {
namespace {

TEST(TexturedBackground, PictureCoversAWindowLargerThanItself) {
    QPixmap texture(20, 10);
    texture.fill(Qt::red);
    const QColor back(192, 192, 255);
    TexturedBackground window(back, texture);
    window.resize(60, 45); // enlarged, no bare band
    const QImage shown = window.grab().toImage();
    EXPECT_EQ(shown.pixelColor(59, 44), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(0, 44), QColor(Qt::red));

    TexturedBackground bare(back, QPixmap()); // a missing picture: the colour
    bare.resize(30, 30);
    EXPECT_EQ(bare.grab().toImage().pixelColor(29, 29), back);
}

} // namespace
} // namespace tarvon
