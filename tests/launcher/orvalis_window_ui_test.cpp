#include "engine/fakes.h"
#include "launcher/ball_view.h"
#include "launcher/orvalis_window.h"
#include "launcher/qt_process_starter.h"
#include "launcher_fakes.h"
#include "qtcommon/language_setting.h"
#include "qtcommon/translations.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tarvon {
namespace {

struct LauncherWindow : ::testing::Test {
    QTemporaryDir dist;
    QString data = dist.filePath("Arxius_orvalis");
    test::ScriptedRandom rnd;
    test::MemoryStore store;
    test::RecordingMessages messages;
    test::RecordingMessages notices;
    test::FakeStarter starter;
    int ends = 0;

    std::unique_ptr<Orvalis> open(ScreenClass screen = {1.0f, false},
                                  Idioma idioma = Idioma::Catala) {
        return std::make_unique<Orvalis>(screen, data, idioma,
                                         LauncherServices{store, messages, starter, notices}, rnd,
                                         [this] { ++ends; });
    }
    static void moveOver(QWidget* w) {
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
};

TEST_F(LauncherWindow, MenuBarOffersOptionsTheModelAndOnePictureAtATime) {
    auto w = open();
    QStringList captions;
    for (QAction* a : w->menuBar()->actions())
        captions << a->text();
    EXPECT_EQ(captions, (QStringList{"&Opcions", "Tarvon", QString::fromUtf8("Recomanacions d'ús"),
                                     "Sobre aquest treball...."}));
    w->mnuAutor()->trigger();
    EXPECT_FALSE(w->picSobre()->isHidden());
    w->FinRecom()->trigger();
    EXPECT_TRUE(w->picSobre()->isHidden());
    QTest::mouseClick(w->cmdRecom(), Qt::LeftButton);
    EXPECT_TRUE(w->picRecom()->isHidden());
}

// Every caption the window shows, the menus' included.
QStringList captions(Orvalis& w) {
    QStringList all;
    for (QAction* a : w.menuBar()->actions()) {
        all << a->text();
        if (a->menu() != nullptr)
            for (QAction* item : a->menu()->actions())
                all << item->text();
    }
    for (QLabel* label : w.findChildren<QLabel*>())
        if (!label->text().isEmpty())
            all << label->text();
    for (QPushButton* button : w.findChildren<QPushButton*>())
        all << button->text();
    return all;
}

// The words come from the catalogues installed at start; only the names stay.
TEST_F(LauncherWindow, InEnglishEveryCaptionButTheProgramsNameIsTranslated) {
    const QStringList catalan = captions(*open());
    const Translations english(Idioma::Angles);
    const QStringList translated = captions(*open({1.0f, false}, Idioma::Angles));
    ASSERT_EQ(translated.size(), catalan.size());
    int same = 0;
    for (qsizetype i = 0; i < catalan.size(); ++i)
        same += translated[i] == catalan[i];
    EXPECT_EQ(same, 2) << translated.join(" | ").toStdString(); // "Tarvon" in menu and title
    EXPECT_TRUE(translated.contains("&Options"));
}

// "Opcions > Idioma" keeps the choice for the next start of both programs, and says so
// in the language the window shows.
TEST_F(LauncherWindow, IdiomaStoresTheChoiceAndSaysSoOnlyWhenItChanges) {
    DesaIdioma(Idioma::Catala);
    auto w = open();
    QStringList names;
    for (const Idioma idioma : {Idioma::Catala, Idioma::Castella, Idioma::Angles})
        names << w->OpcionsIdioma(idioma)->text();
    EXPECT_EQ(names,
              (QStringList{QString::fromUtf8("Català"), QString::fromUtf8("Español"), "English"}));
    EXPECT_TRUE(w->OpcionsIdioma(Idioma::Catala)->isChecked());
    w->OpcionsIdioma(Idioma::Catala)->trigger();
    EXPECT_TRUE(notices.shown.empty());

    w->OpcionsIdioma(Idioma::Castella)->trigger();
    EXPECT_EQ(IdiomaActual(), Idioma::Castella);
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_NE(notices.shown[0].find("Tarvon"), std::string::npos);
    EXPECT_TRUE(w->OpcionsIdioma(Idioma::Castella)->isChecked());
    EXPECT_FALSE(w->OpcionsIdioma(Idioma::Catala)->isChecked());
    w->OpcionsIdioma(Idioma::Castella)->trigger();
    EXPECT_EQ(notices.shown.size(), 1u);
    // The next window starts with the stored choice checked.
    EXPECT_TRUE(open()->OpcionsIdioma(Idioma::Castella)->isChecked());

    // The notice is in the language shown, not the one chosen.
    const Translations english(Idioma::Angles);
    open({1.0f, false}, Idioma::Angles)->OpcionsIdioma(Idioma::Catala)->trigger();
    ASSERT_EQ(notices.shown.size(), 2u);
    EXPECT_NE(notices.shown[1], notices.shown[0]);
    EXPECT_EQ(IdiomaActual(), Idioma::Catala);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LauncherWindow, TheModelStartsFromTheFolderThatHoldsTheDataFolderOrSaysWhyNot) {
    auto w = open();
    w->ModelP()->trigger();
    QTest::mouseClick(w->lblSubtitol(), Qt::LeftButton);
    ASSERT_EQ(starter.starts.size(), 2u); // twice asked, twice started
    EXPECT_EQ(QString::fromStdString(starter.starts[0].program), data + "/Tarvon");
    EXPECT_EQ(QString::fromStdString(starter.starts[0].workingDir), dist.path());
    EXPECT_TRUE(messages.shown.empty());

    // The animation waits for the mouse to come back over the box.
    EXPECT_FALSE(w->tmrRellotge().isActive());
    moveOver(w->Caja());
    EXPECT_TRUE(w->tmrRellotge().isActive());
    // A failed start shows what the system says.
    starter.error = QtProcessStarter().start(data.toStdString() + "/Tarvon", "");
    ASSERT_TRUE(starter.error && !starter.error->empty());
    w->ModelP()->trigger();
    EXPECT_EQ(messages.shown, std::vector<std::string>{*starter.error});
    EXPECT_EQ(ends, 0);
}

TEST_F(LauncherWindow, ThePointerIsTheArrowAgainAfterALaunchWhetherTheModelStartedOrNot) {
    auto w = open();
    QWidget* screen = w->centralWidget();
    std::vector<Qt::CursorShape> whileStarting;
    starter.whileStarting = [&] {
        const QCursor* pointer = QGuiApplication::overrideCursor();
        whileStarting.push_back(pointer ? pointer->shape() : Qt::ArrowCursor);
    };
    for (const std::optional<std::string>& error :
         {std::optional<std::string>{}, std::optional<std::string>{"No such file"}}) {
        starter.error = error;
        moveOver(w->lblSubtitol());
        ASSERT_NE(screen->cursor().shape(), Qt::ArrowCursor); // the title's own pointer
        w->ModelP()->trigger();
        EXPECT_EQ(screen->cursor().shape(), Qt::ArrowCursor) << error.value_or("started");
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(whileStarting, (std::vector{Qt::WaitCursor, Qt::WaitCursor}));
    EXPECT_EQ(messages.shown, std::vector<std::string>{"No such file"});
}

TEST_F(LauncherWindow, BallsAreRestackedByDepthWhenAModelStartsNotOnEveryTick) {
    rnd.fallback = 0.5; // every ball on the same spot: each pair overlaps on screen
    auto w = open();
    auto stackKeys = [&] {
        std::vector<long long> keys;
        for (int i = 0; i < w->balls().NombreBoles(); ++i)
            keys.push_back(w->balls().Cercle[i].stackKey);
        return keys;
    };
    const std::vector<long long> created = stackKeys();
    w->tmrRellotge_Timer();
    w->tmrRellotge_Timer();
    EXPECT_EQ(stackKeys(), created);
    w->ModelP()->trigger();
    EXPECT_NE(stackKeys(), created);
}

TEST_F(LauncherWindow, EscapeClosesTheOpenPictureAsItsTancarButtonDoes) {
    auto w = open();
    w->show();
    QTest::keyClick(w.get(), Qt::Key_Escape); // nothing open: nothing happens
    EXPECT_TRUE(w->picSobre()->isHidden() && w->picRecom()->isHidden());

    const std::pair<QAction*, QLabel*> panels[] = {{w->mnuAutor(), w->picSobre()},
                                                   {w->FinRecom(), w->picRecom()}};
    for (const auto& [menuItem, picture] : panels) {
        menuItem->trigger();
        ASSERT_FALSE(picture->isHidden());
        QTest::keyClick(w.get(), Qt::Key_Escape);
        EXPECT_TRUE(picture->isHidden()) << picture->objectName().toStdString();
        EXPECT_TRUE(w->cmdSobre()->isHidden() && w->cmdRecom()->isHidden());
    }
    // Also with the focus on the button, which does not take the key itself.
    w->FinRecom()->trigger();
    w->cmdRecom()->setFocus();
    QTest::keyClick(w->cmdRecom(), Qt::Key_Escape);
    EXPECT_TRUE(w->picRecom()->isHidden());
}

TEST_F(LauncherWindow, EachTancarButtonSitsInsideItsPictureOnEveryScreenClass) {
    for (const ScreenClass& screen :
         {ScreenClass{0.78125f, true}, ScreenClass{1.0f, false}, ScreenClass{1.125f, true}}) {
        auto w = open(screen);
        EXPECT_TRUE(w->picRecom()->geometry().contains(w->cmdRecom()->geometry()))
            << screen.FactorPantalla;
        EXPECT_TRUE(w->picSobre()->geometry().contains(w->cmdSobre()->geometry()))
            << screen.FactorPantalla;
    }
}

TEST_F(LauncherWindow, EachClassKeepsThePlaceTheLayoutGivesWhateverThePicturesSize) {
    QDir().mkpath(data);
    QImage picture(300, 400, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    picture.save(QDir(data).filePath("SobreAquestTreball1152.jpg"));
    auto wide = open({1.125f, true});
    EXPECT_EQ(wide->picSobre()->size(), QSize(451, 676)); // 6015 x 9015 twips at 1.125
}

TEST_F(LauncherWindow, LeavingThroughItsCommandsDeletesTheFileButTheCloseBoxDoesNot) {
    auto w = open();
    w->show();
    w->close();
    EXPECT_EQ(store.removals, 0);

    store.removal = {CalibrationStore::Removal::NotThere, {}}; // a second launcher left first
    QTest::mouseClick(w->lblFi(), Qt::LeftButton);
    EXPECT_EQ(store.removals, 1);
    EXPECT_TRUE(messages.shown.empty());

    store.removal = {CalibrationStore::Removal::Failed, "Operation not permitted"};
    w->OpcionsSortir()->trigger();
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Operation not permitted"});
    EXPECT_EQ(ends, 2); // the program ends all the same
}

TEST_F(LauncherWindow, HoveringBordersTheLabelUnderThePointerUntilItLeavesForTheBackground) {
    auto w = open();
    moveOver(w->lblSubtitol());
    EXPECT_EQ(w->lblSubtitol()->frameShape(), QFrame::Box);
    moveOver(w->centralWidget());
    EXPECT_EQ(w->lblSubtitol()->frameShape(), QFrame::NoFrame);
}

TEST_F(LauncherWindow, SmallScreensLoadTheirPictureVariantAndMissingPicturesLeaveAreasEmpty) {
    ASSERT_TRUE(QDir().mkpath(data));
    QImage about(313, 470, QImage::Format_RGB32);
    about.fill(Qt::darkCyan);
    ASSERT_TRUE(about.save(data + "/SobreAquestTreball800.jpg", "JPG"));

    auto w = open({0.78125f, true});
    EXPECT_EQ(w->picSobre()->pixmap().size(), QSize(313, 470));
    EXPECT_TRUE(w->picRecom()->pixmap().isNull()); // Recomana800.jpg is missing
    EXPECT_EQ(w->Caja()->geometry(), QRect(583, 21, 177, 177));
    EXPECT_TRUE(open()->picSobre()->pixmap().isNull()); // only the variant exists
}

TEST_F(LauncherWindow, BallsMoveInTheBoxOnEveryTick) {
    rnd.fallback = 0.3;
    auto w = open();
    w->resize(1024, 768);
    const QImage before = w->Caja()->grab().toImage();
    w->tmrRellotge_Timer();
    EXPECT_NE(w->Caja()->grab().toImage(), before);
}

} // namespace
} // namespace tarvon
