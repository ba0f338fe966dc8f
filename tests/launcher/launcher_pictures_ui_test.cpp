// The launcher's pictures as shown: their files at the screen classes on a
// ratio-1 screen, painted afresh at the size shown everywhere else. The run
// with QT_SCALE_FACTOR=2 checks the same window on a dense screen.
#include "assets/picture_lookup.h"
#include "engine/fakes.h"
#include "launcher/orvalis_window.h"
#include "launcher/textured_background.h"
#include "launcher_fakes.h"
#include "qtcommon/translations.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace tarvon {
namespace {

// A data folder whose pictures are plain red files of their own sizes, unlike
// anything the generator paints: a red picture came from its file.
struct LauncherPictures : ::testing::Test {
    QTemporaryDir dist;
    QString data = dist.filePath("Arxius_orvalis");
    test::ScriptedRandom rnd;
    test::MemoryStore store;
    test::RecordingMessages messages;
    test::RecordingMessages notices;
    test::FakeStarter starter;

    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(data));
        for (const char* name :
             {"SobreAquestTreball.jpg", "SobreAquestTreball800.jpg", "SobreAquestTreball1152.jpg",
              "Recomana.jpg", "Recomana800.jpg", "Recomana1152.jpg", "FonsOrvalis.jpg"}) {
            QImage red(fileSize(name), QImage::Format_RGB32);
            red.fill(Qt::red);
            ASSERT_TRUE(red.save(QDir(data).filePath(name)));
        }
    }
    std::unique_ptr<Orvalis> open(ScreenClass screen, Idioma idioma = Idioma::Catala) {
        return std::make_unique<Orvalis>(
            screen, data, idioma, LauncherServices{store, messages, starter, notices}, rnd, [] {});
    }
    static QSize fileSize(const std::string& name) { return assets::test::recipe(name).size; }
    static double ratio() { return qApp->devicePixelRatio(); }
    static bool isRed(const QPixmap& p) { // a JPEG keeps red nearly red
        const QColor c = p.toImage().pixelColor(p.width() / 2, p.height() / 2);
        return c.red() > 200 && c.green() < 60 && c.blue() < 60;
    }
    static void expectNear(QSizeF size, QSizeF wanted, const std::string& what) {
        EXPECT_NEAR(size.width(), wanted.width(), 1) << what;
        EXPECT_NEAR(size.height(), wanted.height(), 1) << what;
    }
    static TexturedBackground* shownAt(Orvalis& w, QSize size) {
        w.resize(size);
        w.show();
        QApplication::processEvents();
        return qobject_cast<TexturedBackground*>(w.centralWidget());
    }
};

TEST_F(LauncherPictures, AtTheClassFactorsTheFilesAreShownUnlessTheScreenIsDense) {
    for (const ScreenClass& screen :
         {ScreenClass{0.78125f, true}, ScreenClass{1.0f, false}, ScreenClass{1.125f, true}}) {
        auto w = open(screen);
        const OrvalisLayout& l = w->layout();
        for (const auto& [pic, file] :
             {std::pair{w->picSobre(), l.picSobreFile}, std::pair{w->picRecom(), l.picRecomFile}}) {
            const QPixmap p = pic->pixmap();
            const std::string at = file + " at " + std::to_string(screen.FactorPantalla);
            EXPECT_EQ(p.deviceIndependentSize().toSize(), fileSize(file)) << at;
            expectNear(p.size(), QSizeF(fileSize(file)) * ratio(), at);
            EXPECT_EQ(isRed(p), ratio() == 1) << at;
        }
    }
}

// The files are Catalan: in Spanish the text pictures are painted even where a file would
// fit; the background, without words, is still its file.
TEST_F(LauncherPictures, InSpanishTheTextPicturesArePaintedNotLoaded) {
    const Translations castella(Idioma::Castella);
    auto w = open({1.0f, false}, Idioma::Castella);
    for (QLabel* pic : {w->picSobre(), w->picRecom()}) {
        EXPECT_FALSE(isRed(pic->pixmap())) << pic->objectName().toStdString();
        EXPECT_EQ(pic->pixmap().deviceIndependentSize().toSize(), pic->size());
    }
    EXPECT_EQ(isRed(shownAt(*w, QSize(1000, 700))->shown()), ratio() == 1);
}

TEST_F(LauncherPictures, AFittedScreenPaintsEachPictureAtItsPlacesSizeWithTancarInItsCorner) {
    auto w = open({1.65f, true, true});
    const OrvalisLayout& l = w->layout();
    ASSERT_EQ(l.picSobreFile, "SobreAquestTreball1152.jpg");
    const QPixmap p = w->picSobre()->pixmap();
    EXPECT_FALSE(isRed(p));
    const QSizeF place(l.picSobre.width / 15, l.picSobre.height / 15);
    expectNear(p.deviceIndependentSize(), place, "shown");
    expectNear(p.size(), place * ratio(), "device pixels");
    // The panel is the picture's: the layout's place, to the pixel.
    const QRect pic = w->picSobre()->geometry();
    expectNear(pic.size(), p.deviceIndependentSize(), "panel");
    const QRect button = w->cmdSobre()->geometry();
    EXPECT_TRUE(pic.contains(button));
    EXPECT_NEAR(pic.right() - button.right(), (l.picSobre.right() - l.cmdSobre.right()) / 15, 1);
    EXPECT_NEAR(pic.bottom() - button.bottom(),
                (l.picSobre.top + l.picSobre.height - l.cmdSobre.top - l.cmdSobre.height) / 15, 1);
    EXPECT_FALSE(isRed(w->picRecom()->pixmap()));
}

TEST_F(LauncherPictures, TheBackgroundIsItsFileUntilTheWindowOutgrowsItThenPaintedToCoverIt) {
    auto w = open({1.0f, false});
    TexturedBackground* back = shownAt(*w, QSize(1000, 700));
    ASSERT_NE(back, nullptr);
    const QSizeF own = fileSize("FonsOrvalis.jpg");
    EXPECT_EQ(back->shown().deviceIndependentSize(), own);
    EXPECT_EQ(isRed(back->shown()), ratio() == 1);

    shownAt(*w, QSize(1700, 900));
    const QPixmap p = back->shown();
    const QSizeF shown = p.deviceIndependentSize();
    ASSERT_GT(back->width(), own.width());
    EXPECT_FALSE(isRed(p));
    EXPECT_GE(shown.height(), back->height());
    // Proportions kept, and no larger than the wider side needs.
    EXPECT_NEAR(shown.width(), back->width(), 1);
    EXPECT_NEAR(shown.width() / shown.height(), own.width() / own.height(), 0.005);
    expectNear(p.size(), shown * ratio(), "device pixels");
    // A smaller window keeps what still covers it: no painting again.
    shownAt(*w, QSize(1200, 800));
    EXPECT_EQ(back->shown().cacheKey(), p.cacheKey());
}

} // namespace
} // namespace tarvon
