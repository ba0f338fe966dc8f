#include "assets/picture_writer.h"
#include "assets/text_column.h"
#include "assets/water_texture.h"
#include "launcher_rules/orvalis_layout.h"
#include "picture_lookup.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace assets {
namespace {

using test::recipe;

double luminance(QRgb rgb) {
    auto linear = [](int c) {
        const double s = c / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

// The launcher shows each screen class's text pictures in boxes of their size, with its
// "Tancar" button over their lower right corner: no text may sit under it, in any language.
TEST(DataFolderPictures, TextPicturesFitTheLauncherBoxesAndKeepTheCloseButtonClear) {
    for (const char* code : {"ca", "es", "en"})
        for (const float f : {0.78125f, 1.0f, 1.125f}) {
            const std::vector<PictureRecipe> pictures =
                code == std::string("ca") ? dataFolderPictures()
                                          : dataFolderPictures(test::builtInWords(code));
            const tarvon::OrvalisLayout l = tarvon::OrvalisLayoutFor({f, f != 1.0f});
            const std::tuple<std::string, tarvon::TwipsRect, tarvon::TwipsRect> shown[] = {
                {l.picSobreFile, l.picSobre, l.cmdSobre}, {l.picRecomFile, l.picRecom, l.cmdRecom}};
            for (const auto& [name, box, button] : shown) {
                SCOPED_TRACE(name + " " + code);
                const QImage image = renderPicture(recipe(pictures, name));
                EXPECT_EQ(image.size(),
                          QSize(std::lround(box.width / 15), std::lround(box.height / 15)));
                double darkest = 1;
                for (int y = static_cast<int>((button.top - box.top) / 15); y < image.height() - 1;
                     ++y)
                    for (int x = static_cast<int>((button.left - box.left) / 15);
                         x < image.width() - 1; ++x)
                        darkest = std::min(darkest, luminance(image.pixel(x, y)));
                EXPECT_GT(darkest, 0.6);
            }
        }
}

// The build stops rather than ship a picture whose text is cut off.
TEST(DataFolderPictures, TextThatWouldBeClippedIsReportedByNameAndNotWritten) {
    auto textPicture = [](const char* name, QSize size, const char* text) {
        return PictureRecipe{name, size, [text](QImage& image) {
                                 QPainter painter(&image);
                                 painter.setPen(Qt::NoPen); // text must not then measure empty
                                 TextColumn(painter, image.rect()).add({text, QFont(), Qt::black});
                             }};
    };
    QTemporaryDir folder;
    const QStringList errors =
        writePictures({textPicture("Ple.jpg", {60, 20}, "Massa text per a tan poc lloc"),
                       textPicture("Estret.jpg", {40, 60}, "Cineticomolecular")},
                      folder.path());
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].startsWith("Ple.jpg: ")) << errors[0].toStdString();
    EXPECT_TRUE(errors[1].startsWith("Estret.jpg: ")) << errors[1].toStdString();
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST(WaterTexture, IsVariedAndLightEnoughForBlueCaptions) {
    QImage water(300, 200, QImage::Format_RGB32);
    paintWaterTexture(water);
    double darkest = 1, lightest = 0;
    for (int y = 0; y < water.height(); ++y) {
        for (int x = 0; x < water.width(); ++x) {
            darkest = std::min(darkest, luminance(water.pixel(x, y)));
            lightest = std::max(lightest, luminance(water.pixel(x, y)));
        }
    }
    // Contrast ratio of the captions' pure blue on the darkest water: 4.5 reads comfortably.
    EXPECT_GE((darkest + 0.05) / (luminance(qRgb(0, 0, 255)) + 0.05), 4.5);
    EXPECT_GT(lightest - darkest, 0.1); // a texture, not a flat fill
}

} // namespace
} // namespace assets
