#include "engine/fakes.h"
#include "engine/mostra_captura.h"
#include "engine/reaction_hooks.h"
#include "engine/uniform_random.h"
#include "layout/layout_extent.h"
#include "mainwindow/circle_widget.h"
#include "mainwindow/data_table_view.h"
#include "mainwindow/tarvon_window.h"
#include "mainwindow/window_controls.h"
#include "qtcommon/caja_view.h"
#include "qtcommon/translations.h"
#include "qtcommon/twips.h"
#include "reactions/atom_colours.h"
#include "reactions/nh3/nh3.h"
#include "reactions/reaction_rules.h"
#include "reactions/registry.h"

#include <QAction>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace tarvon {
namespace {

struct WindowFixture : ::testing::Test {
    const Translations catala{Idioma::Catala}; // the captions checked are the Catalan ones
    std::unique_ptr<SimulationState> state = std::make_unique<SimulationState>();
    test::FakeClock clock;
    MersenneRandom rnd{7};
    ReactionHooks hooks;
    QTemporaryDir folder;

    // A data folder holding only the first picture of the synthesis reactions.
    TarvonStart start(float factor = 1.0f) {
        QImage picture(120, 30, QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.save(folder.filePath("RT_Sinte.bmp"));
        return {{factor, factor != 1.0f}, 81, DataPictures(folder.path().toStdString())};
    }
};

TEST_F(WindowFixture, OpensInTheInitialStateWithTheWholeMenuBar) {
    TarvonWindow window(*state, clock, rnd, hooks, start());
    window.show();
    EXPECT_EQ(window.windowTitle(), "Tarvon");
    EXPECT_EQ(window.action("mnuCine")->text(), "Ci&nètica");
    EXPECT_EQ(window.action("EinesDiamAfDi")->shortcut(), QKeySequence("Ctrl+D"));
    EXPECT_FALSE(window.action("mnuAccions")->isEnabled());
    EXPECT_TRUE(window.action("EinesNPPre")->isChecked());
    EXPECT_FALSE(window.action("EinesNPA")->isCheckable()); // no empty mark beside it
    EXPECT_TRUE(window.controls().lblTipus[4]->isVisible());
    EXPECT_FALSE(window.controls().Caja->isVisible() || window.controls().VScrollVel->isVisible());
    // The shortcut of a disabled menu's item does nothing.
    window.command("EinesDiamAfAu");
    EXPECT_FALSE(window.controls().Caja->isVisible());
    EXPECT_EQ(state->Diam, 150);
}

TEST_F(WindowFixture, ReactionShowsItsPicturesTitleCountersAndLegend) {
    TarvonWindow window(*state, clock, rnd, hooks, start());
    window.resize(1024, 740);
    window.show();
    window.action("FeO")->trigger();
    const TarvonControls& c = window.controls();
    EXPECT_TRUE(c.Caja->isVisible() && !c.picPortada->isVisible());
    EXPECT_EQ(c.lblDS1->text(), "Formació de l'òxid de ferro(II), sòlid,");
    EXPECT_GE(c.lblDS1->width(), c.lblDS1->sizeHint().width());   // the whole title shows
    EXPECT_TRUE(c.txt[2]->isVisible() && !c.txt[3]->isVisible()); // three counters for FeO
    EXPECT_TRUE(c.txt[0]->text().startsWith("Molèc. oxigen inicials:"));
    // The missing equation picture leaves its box empty; the other is centred beside it.
    EXPECT_TRUE(c.picRI[1]->pixmap().isNull());
    EXPECT_EQ(c.picRI[0]->width(), 120);
    EXPECT_EQ(c.picRI[0]->x(), (c.picRI[0]->parentWidget()->width() - 120) / 2);
    EXPECT_TRUE(c.CercleAux[4]->isVisible() && !c.CercleAux[5]->isVisible());
    EXPECT_TRUE(c.picIo[1]->isVisible() && c.picIo[1]->pixmap().isNull());

    window.action("AccionsInici")->trigger();
    EXPECT_TRUE(c.picPortada->isVisible() && !c.CercleAux[4]->isVisible());
    EXPECT_TRUE(c.lblDS1->text().isEmpty() && !c.picRI[0]->isVisible());
}

TEST_F(WindowFixture, SpeedBarSetsTheTimerIntervalAndTicksMoveTheShapes) {
    TarvonWindow window(*state, clock, rnd, hooks, start());
    window.resize(1024, 740);
    window.show();
    window.command("NH3");
    window.command("EinesVel");
    EXPECT_TRUE(window.controls().VScrollVel->isVisible());
    EXPECT_EQ(window.tmrRellotge().interval(), 50);
    EXPECT_EQ(window.tmrRellotge().timerType(), Qt::PreciseTimer);
    const float left0 = state->caja.AtomA[0].left;
    window.controls().VScrollVel->setValue(1);
    EXPECT_EQ(window.tmrRellotge().interval(), 1);
    // Real timer ticks; a loaded machine may need a while for the first.
    EXPECT_TRUE(QTest::qWaitFor([&] { return state->caja.AtomA[0].left != left0; }, 5000));

    window.action("AccionsCongelar")->trigger();
    EXPECT_FALSE(window.tmrRellotge().isActive());
    EXPECT_EQ(window.action("AccionsCongelar")->text(), "Descongelar Imatge");
}

TEST_F(WindowFixture, FrozenBoxShowsTheNextReactionRunning) {
    TarvonWindow window(*state, clock, rnd, hooks, start());
    window.resize(1024, 740);
    window.show();
    window.command("HI");
    window.command("AccionsCongelar");
    ASSERT_FALSE(window.tmrRellotge().isActive());
    window.command("NH3");
    EXPECT_TRUE(window.tmrRellotge().isActive());
    EXPECT_EQ(window.action("AccionsCongelar")->text(), "Congelar Imatge");
    // The new molecules are drawn by the timer's ticks.
    EXPECT_EQ(state->Reaccio, &kNH3);
    EXPECT_TRUE(QTest::qWaitFor([&] { return state->caja.AtomA[0].visible; }, 5000));
}

TEST_F(WindowFixture, SpeedBarTakesFocusAndItsTopEndIsFast) {
    TarvonWindow window(*state, clock, rnd, hooks, start());
    window.resize(1024, 740);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.command("NH3");
    window.command("EinesVel");
    QScrollBar* bar = window.controls().VScrollVel;
    EXPECT_EQ(bar->accessibleName(), window.controls().lblVelocitat->text());
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, 2)); // the top arrow
    EXPECT_TRUE(bar->hasFocus());
    EXPECT_EQ(window.tmrRellotge().interval(), 49); // a shorter tick: faster
    const auto key = [&](Qt::Key k) {
        QTest::keyClick(window.windowHandle(), k);
        return window.tmrRellotge().interval();
    };
    EXPECT_EQ(key(Qt::Key_Up), 48);
    EXPECT_EQ(key(Qt::Key_PageUp), 38);
    EXPECT_EQ(key(Qt::Key_Down), 39);
    EXPECT_EQ(key(Qt::Key_PageDown), 49);
}

TEST_F(WindowFixture, ContinuarTakesTheFocusForReturnAndSpace) {
    TarvonWindow window(*state, clock, rnd, hooks, start());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.command("HI");
    QPushButton* continuar = window.controls().cmdContinuar;
    for (const Qt::Key k : {Qt::Key_Return, Qt::Key_Space}) {
        MostraCaptura(*state);
        window.tmrRellotge_Timer();
        ASSERT_TRUE(continuar->isVisible());
        EXPECT_TRUE(continuar->hasFocus());
        QTest::keyClick(window.windowHandle(), k);
        EXPECT_TRUE(!continuar->isVisible() && window.tmrRellotge().isActive()) << k;
    }
}

TEST_F(WindowFixture, BadTickDoesNotStopTheAnimation) {
    TarvonWindow window(*state, clock, rnd, hooks, start());
    window.command("NH3");
    state->NumA = 600; // the next draw of a kind-A shape is out of the list
    window.tmrRellotge_Timer();
    EXPECT_TRUE(window.tmrRellotge().isActive());
}

// Pixel of the box picture at a point given in twips.
QRgb at(const QImage& picture, double x, double y) {
    return picture.pixel(static_cast<int>(x / 15), static_cast<int>(y / 15));
}

TEST_F(WindowFixture, BoxIsDrawnAsACubeWithFilledFacesWhateverItsSize) {
    TarvonWindow window(*state, clock, rnd, hooks, start());
    window.command("HI");
    window.command("EinesNPA"); // a larger box than the picture had before
    const QImage& picture = window.controls().Caja->pictureImage();
    EXPECT_EQ(picture.width(), std::lround(state->LimitVisX / 15));
    const QRgb face = qRgb(255, 255, 200), edge = qRgb(150, 0, 255), back = qRgb(220, 255, 255);
    const double Ix = state->OrigenX, Iy = state->OrigenY, Lx = state->CaixaX, Ly = state->CaixaY;
    const double A = state->DesplX;                               // equal shifts right and up
    EXPECT_EQ(at(picture, Ix + A + Lx / 2, Iy + Ly / 2), face);   // front and back
    EXPECT_EQ(at(picture, Ix + Lx + A / 2, Iy + Ly / 2), face);   // right
    EXPECT_EQ(at(picture, Ix + Lx, Iy + A + Ly / 3), edge);       // front right edge
    EXPECT_EQ(at(picture, Ix + Lx / 2, Iy + A + Ly + 100), back); // under it
}

TEST_F(WindowFixture, ClickOnAParticleMarksItWhenMarkingIsOn) {
    TarvonWindow window(*state, clock, rnd, hooks, start());
    window.show();
    window.command("HgO");
    window.command("AccionsCongelar"); // the particle must stay under the pointer
    window.command("AccionsMarcar");
    EXPECT_TRUE(window.action("AccionsMarcar")->isChecked());
    const AtomShape& a = state->caja.AtomA[0];
    const QPoint centre(std::lround((a.left + state->RadiA[0]) / 15),
                        std::lround((a.top + state->RadiA[0]) / 15));
    QTest::mouseClick(window.controls().Caja, Qt::LeftButton, {}, centre);
    EXPECT_EQ(a.border, ColorMarca);
    // A count beyond the shapes abandons the click, not the program.
    state->NumA = 600;
    QTest::mouseClick(window.controls().Caja, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(a.border, ColorMarca);
}

TEST_F(WindowFixture, NarrowScreenLayoutAndContinuar) {
    TarvonWindow window(*state, clock, rnd, hooks, start(0.78125f));
    window.show();
    QPushButton* continuar = window.controls().cmdContinuar;
    EXPECT_EQ(continuar->geometry(), twipsToPixels(6562.5, 7421.875, 1015.625, 292.96875));
    EXPECT_EQ(continuar->font().pointSizeF(), 6.25);
    // Every text shows whole in its label, whatever the font's rounding.
    const auto fits = [](QLabel* l) { return l->heightForWidth(l->width()) <= l->height(); };
    for (QLabel* tipus : window.controls().lblTipus)
        EXPECT_TRUE(fits(tipus)) << tipus->text().toStdString();
    for (const char* reaction : {"FeO", "NH3", "HgO", "HI"}) {
        window.command(reaction);
        EXPECT_TRUE(fits(window.controls().lblPropietats)) << reaction;
    }
    MostraCaptura(*state);
    window.tmrRellotge_Timer();
    EXPECT_TRUE(continuar->isVisible() && !window.tmrRellotge().isActive());
    QTest::mouseClick(continuar, Qt::LeftButton);
    EXPECT_TRUE(!continuar->isVisible() && window.tmrRellotge().isActive());
}

} // namespace
} // namespace tarvon

namespace tarvon {
namespace {

TEST_F(WindowFixture, DataRowsStopWhileFrozenAndTheTableShowsItsLastRow) {
    QLocale::setDefault(QLocale(QLocale::Catalan));
    TarvonWindow window(*state, clock, rnd, hooks, start());
    QLocale::setDefault(QLocale::c());
    window.show();
    window.command("HI");
    window.command("CineDades05");
    const TarvonControls& c = window.controls();
    EXPECT_TRUE(c.txtDades->isVisible());
    for (int i = 0; i < 40; ++i) {
        clock.t += 0.5;
        window.tmrRellotge_Timer();
    }
    window.command("AccionsCongelar");
    EXPECT_FALSE(window.tmrRellotge().isActive());
    clock.t += 3; // frozen: no ticks, no rows
    window.command("AccionsCongelar");
    window.tmrRellotge_Timer(); // one row at once, with the next row's time
    const QStringList lines = c.txtDades->shownText().split('\n');
    EXPECT_EQ(lines.size(), 2 + 42);
    EXPECT_TRUE(lines.back().startsWith("20,5\t"));
    const QScrollBar* bar = c.txtDades->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(WindowFixture, ChronometerPanelRunsInItsScriptFont) {
    TarvonWindow window(*state, clock, rnd, hooks, start());
    window.show();
    window.command("NH3");
    window.command("CineDadesCrono");
    const TarvonControls& c = window.controls();
    EXPECT_TRUE(c.picCrono->isVisible() && window.Crono().isActive());
    EXPECT_EQ(c.lblTempus->text(), "Prenent dades...");
    EXPECT_TRUE(QFontInfo(c.lblTempus->font()).italic());
    EXPECT_TRUE(
        QFontInfo(c.lblTempus->font()).family().startsWith("Z003")); // the scripts install it
    for (const double t : {1.95, 0.12}) {
        clock.t += t;
        emit window.Crono().timeout({});
    }
    EXPECT_EQ(c.lblSegons->text(), "2");
    c.cmdIniciCrono->click(); // the lap goes to the table on the next tick
    EXPECT_FALSE(window.Crono().isActive());
    window.tmrRellotge_Timer();
    EXPECT_TRUE(c.txtDades->shownText().split('\n').back().startsWith("2.1\t"));
    EXPECT_TRUE(window.Crono().isActive());
    c.cmdTancarCrono->click();
    EXPECT_FALSE(c.picCrono->isVisible() || window.Crono().isActive());
    EXPECT_EQ(c.lblSegons->text(), "0");
}

} // namespace
} // namespace tarvon

namespace tarvon {
namespace {

TEST_F(WindowFixture, MechanismViewFreezesAndContinuesThenGivesTheBoxBack) {
    ReactionRules rules(clock, rnd);
    TarvonWindow window(*state, clock, rnd, rules, start());
    window.show();
    const TarvonControls& c = window.controls();
    window.command("HgO");
    const QRect normalPlace = c.lblPropietats->geometry();
    window.command("CineMeca");
    EXPECT_EQ(c.lblPropietats->geometry(), twipsToPixels(10600, 5500, 4400, 4000));
    EXPECT_FALSE(c.txt[0]->isVisible() || window.action("mnuReaccions")->isEnabled());
    for (int i = 0; i < 100 && !c.cmdContinuar->isVisible(); ++i) {
        clock.t += 0.05;
        window.tmrRellotge_Timer();
    }
    ASSERT_TRUE(c.cmdContinuar->isVisible());
    EXPECT_FALSE(window.tmrRellotge().isActive());
    c.cmdContinuar->click();
    EXPECT_TRUE(window.tmrRellotge().isActive() && !c.cmdContinuar->isVisible());

    window.command("CineTornar");
    EXPECT_EQ(c.lblPropietats->geometry(), normalPlace);
    EXPECT_TRUE(c.txt[0]->isVisible() && window.action("mnuReaccions")->isEnabled());
    EXPECT_EQ(state->NombreP, 81);
}

} // namespace
} // namespace tarvon

namespace tarvon {
namespace {

// Descriptions, commentaries and mechanism texts show whole at the layout's own font size on
// every screen class: the label shrinks its font only as a last resort.
TEST_F(WindowFixture, ReactionTextsFitTheirLabelWithoutShrinking) {
    for (const float f : {0.78125f, 1.0f, 1.125f}) {
        TarvonWindow window(*state, clock, rnd, hooks, start(f));
        window.show();
        QLabel* l = window.controls().lblPropietats;
        const auto check = [&](const char* reaction, const char* shown) {
            SCOPED_TRACE(testing::Message() << reaction << " " << shown << " at factor " << f);
            EXPECT_EQ(l->font().pointSizeF(), l->property(kLayoutPointSize).toDouble());
            EXPECT_LE(l->heightForWidth(l->width()), l->height());
            // The screen fit counts the description only as high as its text.
            if (std::string(shown) != "mechanism") {
                EXPECT_LE(l->heightForWidth(l->width()), kDescriptionTextHeight * f / 15);
            }
        };
        for (const ReactionDescription* r : Reactions()) {
            const char* reaction = r->key;
            window.command(reaction);
            ASSERT_EQ(state->Reaccio, r) << "the menu item chooses its own reaction";
            check(reaction, "description");
            window.command("CineDades05");
            check(reaction, "commentary");
            window.command("CineEsborrar");
            window.command("CineMeca");
            check(reaction, "mechanism");
            window.command("CineTornar");
        }
    }
}

TEST_F(WindowFixture, FittedLayoutIsCentredAndEveryControlShows) {
    // 1920 x 1080 less the title and menu bars.
    const Extent area{1920 * 15.0, 1030 * 15.0};
    TarvonStart s = start();
    s.screen = FitScreen(area, TarvonLayoutExtent);
    ASSERT_TRUE(s.screen.fitted);
    TarvonWindow window(*state, clock, rnd, hooks, s);
    window.show();
    window.centralWidget()->resize(1920, 1030);
    window.command("FeO");
    window.command("CineDades05");
    const QWidget* stage = window.controls().Caja->parentWidget();
    const Extent e = TarvonLayoutExtent(s.screen.FactorPantalla);
    EXPECT_NEAR(stage->x(), (1920 - e.width / 15) / 2, 1);
    EXPECT_NEAR(stage->y(), (1030 - e.height / 15) / 2, 1);
    const QRect client = window.centralWidget()->rect();
    for (const auto& [name, w] : window.controls().byName) {
        if (!w->isVisible() || w->parentWidget() != stage || name == "lblPropietats" ||
            w->size().isEmpty())
            continue; // a missing picture has no size
        const QRect r(stage->mapTo(window.centralWidget(), w->pos()), w->size());
        EXPECT_TRUE(client.contains(r)) << name.toStdString();
    }
    // The description's text ends inside the client area.
    const QLabel* p = window.controls().lblPropietats;
    const QPoint top = p->mapTo(window.centralWidget(), QPoint(0, 0));
    EXPECT_LE(top.y() + p->heightForWidth(p->width()), client.height());
}

} // namespace
} // namespace tarvon
