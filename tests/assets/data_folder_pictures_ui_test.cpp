#include "assets/data_folder_pictures.h"
#include "assets/picture_writer.h"
#include "assets/text_column.h"
#include "assets/text_overflow.h"
#include "assets/water_texture.h"

#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace assets {
namespace {

// The launcher loads these names and lays its picture boxes out for these sizes.
struct Expected {
    const char* name;
    QSize size;
};
const Expected kLauncherPictures[] = {
    {"SobreAquestTreball.jpg", {401, 601}},
    {"SobreAquestTreball800.jpg", {313, 470}},
    {"SobreAquestTreball1152.jpg", {451, 676}},
    {"Recomana.jpg", {297, 613}},
    {"Recomana800.jpg", {232, 479}},
    {"Recomana1152.jpg", {334, 690}},
    {"FonsOrvalis.jpg", {1134, 850}},
    {"Punter.png", {32, 32}},
};

TEST(DataFolderPictures, EveryPictureIsWrittenAtItsSizeAndReadsBack) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QStringList errors = writePictures(dataFolderPictures(), folder.path());
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();

    for (const Expected& picture : kLauncherPictures) {
        SCOPED_TRACE(picture.name);
        QImageReader reader(QDir(folder.path()).filePath(picture.name));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), picture.size);
    }
}

const PictureRecipe& picture(const QString& name) {
    const auto& pictures = dataFolderPictures();
    const auto found = std::find_if(pictures.begin(), pictures.end(),
                                    [&](const PictureRecipe& p) { return p.fileName == name; });
    if (found == pictures.end())
        throw std::runtime_error("no picture " + name.toStdString());
    return *found;
}

TEST(DataFolderPictures, PointerTipIsTheHotspotOnATransparentGround) {
    const QImage image = renderPicture(picture("Punter.png"));
    EXPECT_TRUE(image.hasAlphaChannel());
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 255);
    for (const QPoint corner : {QPoint(31, 0), QPoint(0, 31)})
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0);
}

double luminance(QRgb rgb) {
    auto linear = [](int c) {
        const double s = c / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

// The launcher puts its "Tancar" button over the lower right corner of the text pictures
// (from about 74 % of the width and 94.5 % of the height): no text may sit under it.
TEST(DataFolderPictures, NoTextUnderTheCloseButton) {
    for (const char* name :
         {"SobreAquestTreball.jpg", "SobreAquestTreball800.jpg", "SobreAquestTreball1152.jpg",
          "Recomana.jpg", "Recomana800.jpg", "Recomana1152.jpg"}) {
        SCOPED_TRACE(name);
        const QImage image = renderPicture(picture(name));
        double darkest = 1;
        for (int y = int(image.height() * 0.945); y < image.height() - 1; ++y) {
            for (int x = int(image.width() * 0.74); x < image.width() - 1; ++x)
                darkest = std::min(darkest, luminance(image.pixel(x, y)));
        }
        EXPECT_GT(darkest, 0.6);
    }
}

TEST(TextColumn, StacksBlocksAndRefusesOneThatWouldBeClipped) {
    QImage image(120, 60, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen); // a painter left without a pen must not make text measure empty
    QFont font("Liberation Sans");
    font.setPixelSize(12);
    TextColumn column(painter, QRectF(0, 0, 120, 60));

    const QRectF first = column.add({"Una línia", font, Qt::black});
    const QRectF second = column.add({"Una altra", font, Qt::black});
    EXPECT_GT(first.height(), 0);
    EXPECT_GE(second.top(), first.bottom());
    EXPECT_THROW(
        column.add({"Un text massa llarg per a l'espai que queda a sota", font, Qt::black}),
        TextOverflow);

    TextColumn narrow(painter, QRectF(0, 0, 40, 60));
    EXPECT_THROW(narrow.add({"Cineticomolecular", font, Qt::black}), TextOverflow);
}

TEST(DataFolderPictures, AnOverflowingPictureIsReportedByName) {
    const PictureRecipe crowded{"Ple.jpg", {60, 20}, [](QImage& image) {
                                  QPainter painter(&image);
                                  TextColumn column(painter, image.rect());
                                  column.add({"Massa text per a tan poc lloc", QFont(), Qt::black});
                              }};
    QTemporaryDir folder;
    const QStringList errors = writePictures({crowded}, folder.path());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.front().startsWith("Ple.jpg: ")) << errors.front().toStdString();
    EXPECT_FALSE(QFile::exists(QDir(folder.path()).filePath("Ple.jpg")));
}

TEST(WaterTexture, IsReproducibleVariedAndLightEnoughForBlueCaptions) {
    QImage first(300, 200, QImage::Format_RGB32);
    QImage second(300, 200, QImage::Format_RGB32);
    paintWaterTexture(first);
    paintWaterTexture(second);
    EXPECT_EQ(first, second);

    double darkest = 1;
    double lightest = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const double l = luminance(first.pixel(x, y));
            darkest = std::min(darkest, l);
            lightest = std::max(lightest, l);
        }
    }
    // Contrast ratio of the captions' pure blue on the darkest water: 4.5 reads comfortably.
    const double blue = luminance(qRgb(0, 0, 255));
    EXPECT_GE((darkest + 0.05) / (blue + 0.05), 4.5);
    EXPECT_GT(lightest - darkest, 0.1); // a texture, not a flat fill
}

} // namespace
} // namespace assets
