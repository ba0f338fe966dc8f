// Data-folder pictures as the window shows them: the file where it is shown
// at its own size, painted afresh at the size shown everywhere else.
#include "assets/picture_lookup.h"
#include "assets/picture_writer.h"
#include "datapictures/data_pictures.h"
#include "datapictures/picture_scale.h"
#include "qtcommon/translations.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tarvon {
namespace {

TEST(PictureScale, ClassesShowTheFileAndOtherFactorsGrowFromTheClassBelow) {
    for (const double f : {0.78125, 1.0, 1.125})
        EXPECT_DOUBLE_EQ(PictureScale("RT_HI.bmp", f), 1) << f;
    EXPECT_DOUBLE_EQ(PictureScale("ComplexActivat800.jpg", 0.78125), 1);
    EXPECT_DOUBLE_EQ(PictureScale("Recomana1152.jpg", 1.125), 1);
    EXPECT_DOUBLE_EQ(PictureScale("RT_HI.bmp", 1.5), 1.5 / 1.125);
    EXPECT_DOUBLE_EQ(PictureScale("RT_HI.bmp", 1.05), 1.05);
    EXPECT_DOUBLE_EQ(PictureScale("RT_HI.bmp", 0.9), 0.9 / 0.78125);
    EXPECT_DOUBLE_EQ(PictureScale("RT_HI.bmp", 0.5), 0.5 / 0.78125); // a tiny screen
    // The narrow variant grows from its own class, whatever the factor.
    EXPECT_DOUBLE_EQ(PictureScale("ComplexActivat800.jpg", 0.95), 0.95 / 0.78125);
    EXPECT_DOUBLE_EQ(PictureScale("ComplexActivat800.jpg", 0.7), 0.7 / 0.78125);
}

// A data folder whose files are plain red, unlike anything the generator
// paints: a red picture came from its file.
class DataPicturesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        for (const char* name :
             {"RT_HI.bmp", "RT_Sinte.bmp", "ComplexActivat5.jpg", "NotPainted.bmp"}) {
            const QSize size = std::string(name) == "NotPainted.bmp"
                                   ? QSize(40, 20)
                                   : assets::test::recipe(name).size;
            QImage red(size, QImage::Format_RGB32);
            red.fill(Qt::red);
            ASSERT_TRUE(red.save(folder.filePath(name)));
        }
    }
    static bool isRed(const QPixmap& p) { // a JPEG keeps red nearly red
        const QColor c = p.toImage().pixelColor(p.width() / 2, p.height() / 2);
        return c.red() > 200 && c.green() < 60 && c.blue() < 60;
    }
    QTemporaryDir folder;
    DataPictures pictures{std::filesystem::path(folder.path().toStdString())};
};

TEST_F(DataPicturesTest, AtTheClassFactorsOnARatio1ScreenTheFileIsShown) {
    for (const double f : {0.78125, 1.0, 1.125}) {
        const QPixmap p = pictures.shown("Arxius_orvalis/RT_HI.bmp", f, 1);
        EXPECT_TRUE(isRed(p)) << f;
        EXPECT_EQ(p.size(), assets::test::recipe("RT_HI.bmp").size) << f;
    }
}

TEST_F(DataPicturesTest, AtRatio2ThePictureIsPaintedAtTwiceItsPixels) {
    const QSize own = assets::test::recipe("ComplexActivat5.jpg").size;
    const QPixmap p = pictures.shown("Arxius_orvalis/ComplexActivat5.jpg", 1.0, 2);
    EXPECT_FALSE(isRed(p)); // painted, not the file
    EXPECT_EQ(p.size(), own * 2);
    EXPECT_EQ(p.deviceIndependentSize().toSize(), own); // shown at the file's size
    EXPECT_EQ(p.devicePixelRatio(), 2);
    QImage painted = assets::renderPicture(assets::test::recipe("ComplexActivat5.jpg"), 2);
    EXPECT_EQ(p.toImage().convertToFormat(QImage::Format_RGB32),
              painted.convertToFormat(QImage::Format_RGB32));
}

TEST_F(DataPicturesTest, NeverLargerThanShownAtAnyFactorAndRatio) {
    const QSize own = assets::test::recipe("RT_HI.bmp").size;
    for (const double f : {0.6, 0.9, 1.05, 1.4, 2.0})
        for (const double ratio : {1.0, 1.25, 2.0}) {
            const QPixmap p = pictures.shown("Arxius_orvalis/RT_HI.bmp", f, ratio);
            const double scale = PictureScale("RT_HI.bmp", f);
            const std::string at = std::to_string(f) + " x" + std::to_string(ratio);
            EXPECT_FALSE(isRed(p)) << at;
            EXPECT_NEAR(p.deviceIndependentSize().width(), own.width() * scale, 1) << at;
            EXPECT_NEAR(p.deviceIndependentSize().height(), own.height() * scale, 1) << at;
            EXPECT_NEAR(p.width(), own.width() * scale * ratio, 1) << at;
            EXPECT_NEAR(p.height(), own.height() * scale * ratio, 1) << at;
        }
}

TEST_F(DataPicturesTest, APictureThatCannotBePaintedIsShownAtItsFilesSize) {
    const QPixmap p = pictures.shown("Arxius_orvalis/NotPainted.bmp", 1.5, 2);
    EXPECT_TRUE(isRed(p));
    EXPECT_EQ(p.size(), QSize(40, 20));
    EXPECT_EQ(p.deviceIndependentSize().toSize(), QSize(40, 20));
}

TEST_F(DataPicturesTest, ABackgroundIsItsFileWhileThatCoversTheAreaThenPaintedToCoverIt) {
    const QSize own = assets::test::recipe("RT_HI.bmp").size;
    const QPixmap file = pictures.covering("RT_HI.bmp", own - QSize(10, 1), 1);
    EXPECT_TRUE(isRed(file));
    EXPECT_EQ(file.size(), own);

    // Wider than the picture: it grows with its proportions until it spans the width.
    const QSize wide(own.width() * 3 / 2, own.height());
    const QPixmap grown = pictures.covering("RT_HI.bmp", wide, 1);
    EXPECT_FALSE(isRed(grown));
    EXPECT_NEAR(grown.width(), wide.width(), 1);
    EXPECT_NEAR(grown.height(), own.height() * 1.5, 1);
    // Taller than wide-enough: the height decides.
    const QSize tall(own.width(), own.height() * 2);
    EXPECT_NEAR(pictures.covering("RT_HI.bmp", tall, 1).width(), own.width() * 2, 1);

    // On a dense screen even a covering file is painted at the screen's pixels.
    const QPixmap dense = pictures.covering("RT_HI.bmp", own / 2, 2);
    EXPECT_FALSE(isRed(dense));
    EXPECT_EQ(dense.deviceIndependentSize().toSize(), own);
    EXPECT_EQ(dense.size(), own * 2);

    // What the program cannot paint stays at its file's size, never enlarged.
    const QPixmap kept = pictures.covering("NotPainted.bmp", QSize(400, 300), 2);
    EXPECT_TRUE(isRed(kept));
    EXPECT_EQ(kept.deviceIndependentSize().toSize(), QSize(40, 20));
}

// The files are Catalan: in Spanish a picture with words is painted in memory, with the
// installed catalogues' words and at its Spanish size, even where the file would fit.
TEST_F(DataPicturesTest, InAnotherLanguageAPictureWithWordsIsPaintedInItsWords) {
    const Translations castella(Idioma::Castella);
    const DataPictures spanish(folder.path().toStdString(), Idioma::Castella);
    const std::vector<assets::PictureRecipe> es =
        assets::dataFolderPictures(assets::test::builtInWords("es"));
    for (const char* name : {"ComplexActivat5.jpg", "RT_Sinte.bmp"}) {
        SCOPED_TRACE(name);
        const QPixmap p = spanish.shown(std::string("Arxius_orvalis/") + name, 1.0, 1);
        EXPECT_FALSE(isRed(p));
        const QImage painted = assets::renderPicture(assets::test::recipe(es, name));
        EXPECT_EQ(p.toImage().convertToFormat(QImage::Format_RGB32),
                  painted.convertToFormat(QImage::Format_RGB32));
        EXPECT_NE(painted, assets::renderPicture(assets::test::recipe(name)));
    }
    // A heading is as wide as its words: Spanish "Reacción de síntesis" is wider.
    EXPECT_GT(spanish.shown("RT_Sinte.bmp", 1.0, 1).width(),
              assets::test::recipe("RT_Sinte.bmp").size.width());
    // An equation has no words: its file.
    EXPECT_TRUE(isRed(spanish.shown("Arxius_orvalis/RT_HI.bmp", 1.0, 1)));
    // In Catalan the files, whatever catalogue is installed.
    EXPECT_TRUE(isRed(pictures.shown("Arxius_orvalis/ComplexActivat5.jpg", 1.0, 1)));
    EXPECT_TRUE(isRed(pictures.shown("Arxius_orvalis/RT_Sinte.bmp", 1.0, 1)));
}

} // namespace
} // namespace tarvon
