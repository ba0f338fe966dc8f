#include "engine/fakes.h"
#include "engine/mostra_captura.h"
#include "engine/reaction_hooks.h"
#include "engine/uniform_random.h"
#include "export/file_writers.h"
#include "mainwindow/tarvon_window.h"
#include "mainwindow/window_controls.h"
#include "qtcommon/language_setting.h"
#include "qtcommon/qt_language.h"
#include "qtcommon/translations.h"
#include "reactions/registry.h"
#include "window/help_layout.h"
#include "window/menu_tree.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tarvon {
namespace {

namespace fs = std::filesystem;

constexpr Idioma kTranslated[] = {Idioma::Castella, Idioma::Angles};

std::string Name(Idioma idioma) {
    return CodiIdioma(idioma);
}

TEST(HelpInEachLanguage, KeepsTheLayoutAndNamesTheItemsAsTheMenusShowThem) {
    const std::string catalan = TextAjuda(Catala());
    for (const Idioma idioma : kTranslated) {
        SCOPED_TRACE(Name(idioma));
        const Translations installed(idioma);
        const std::string text = TextAjuda(Traduit());
        EXPECT_NE(text, catalan) << "the catalogue is not applied";
        help_layout::ExpectEntriesNameTheirItems(text, Traduit());
    }
}

// Alt and a letter opens one menu of the bar only, in every language.
TEST(MenusInEachLanguage, EveryMenuOfTheBarHasAnAccessKeyOfItsOwn) {
    for (const Idioma idioma : {Idioma::Catala, Idioma::Castella, Idioma::Angles}) {
        SCOPED_TRACE(Name(idioma));
        const Translations installed(idioma);
        std::map<QChar, std::string> keys;
        for (const MenuItemDef& d : MenuTree()) {
            if (!d.parent.empty())
                continue;
            const QString caption = Tx(d.text);
            const qsizetype amp = caption.indexOf('&');
            ASSERT_TRUE(amp >= 0 && amp + 1 < caption.size()) << d.name;
            const auto [clash, fresh] = keys.emplace(caption.at(amp + 1).toLower(), d.name);
            EXPECT_TRUE(fresh) << d.name << " and " << clash->second << " share a key";
        }
        EXPECT_EQ(keys.size(), 7u);
    }
}

struct Silent : Notice {
    void show(const std::string&) override {}
};

struct Recorder : Clipboard, DocumentOpener, MessageBox {
    std::vector<std::string> shown;
    std::vector<fs::path> opened;
    void setText(const std::string&) override {}
    void open(const fs::path& file, Failed) override { opened.push_back(file); }
    void show(const std::string& text, const std::string&) override { shown.push_back(text); }
    using MessageBox::show;
};

struct WindowInALanguage : ::testing::Test {
    std::unique_ptr<SimulationState> state = std::make_unique<SimulationState>();
    test::FakeClock clock;
    MersenneRandom rnd{7};
    ReactionHooks hooks;
    QTemporaryDir folder;
    Recorder fake;
    Silent notice;
    FileWriters writers;
    DocumentServices services{fake,
                              fake,
                              fake,
                              notice,
                              writers,
                              folder.path().toStdString(),
                              folder.filePath("Documents").toStdString()};

    // The 800 x 600 screen class unless told otherwise.
    std::unique_ptr<TarvonWindow> window(Idioma idioma, float factor = 0.78125f) {
        QImage picture(120, 30, QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.save(folder.filePath("RT_Sinte.bmp"));
        TarvonStart s{{factor, factor != 1.0f}, 81, DataPictures(folder.path().toStdString())};
        s.documents = &services;
        s.idioma = idioma;
        return std::make_unique<TarvonWindow>(*state, clock, rnd, hooks, s);
    }
};

TEST_F(WindowInALanguage, ChoosingALanguageStoresItAndTellsOnlyWhenItDiffers) {
    const Translations castella(Idioma::Castella);
    DesaIdioma(Idioma::Castella);
    auto w = window(Idioma::Castella);
    EXPECT_EQ(w->action("mnuFinestra")->text(), "&Ventana");
    EXPECT_EQ(w->action("FinIdioma")->text(), "Idioma");
    EXPECT_EQ(w->action("FinIdiomaEn")->text(), "English") << "each in its own language";
    EXPECT_TRUE(w->action("FinIdiomaEs")->isChecked());
    EXPECT_FALSE(w->action("FinIdiomaCa")->isChecked());

    w->command("FinIdiomaEn");
    EXPECT_EQ(IdiomaActual(), Idioma::Angles);
    EXPECT_TRUE(w->action("FinIdiomaEn")->isChecked());
    EXPECT_FALSE(w->action("FinIdiomaEs")->isChecked());
    EXPECT_EQ(fake.shown,
              std::vector<std::string>{
                  "El idioma elegido se aplicará la próxima vez que abra el programa."});

    // Back to the language it runs in: stored, nothing to tell.
    w->command("FeO");
    w->command("CineDades05");
    w->command("FinIdiomaEs");
    EXPECT_EQ(IdiomaActual(), Idioma::Castella);
    EXPECT_TRUE(w->action("FinIdiomaEs")->isChecked());
    EXPECT_EQ(fake.shown.size(), 1u);
    DesaIdioma(Idioma::Catala);
}

TEST_F(WindowInALanguage, DocumentFailuresAreToldInTheWindowsLanguage) {
    const Translations angles(Idioma::Angles);
    auto w = window(Idioma::Angles);
    w->command("FinTeo"); // the data folder has no PDF
    EXPECT_EQ(fake.shown, std::vector<std::string>{"The requested process failed"});
}

TEST_F(WindowInALanguage, DocumentsAreOpenedAndCopiedInTheWindowsLanguage) {
    const fs::path data = services.dataFolder;
    fs::create_directories(data / "en");
    for (const fs::path& file : {data / "T_Tarvon.pdf", data / "en" / "T_Tarvon.pdf",
                                 data / "P_Tarvon.pdf", data / "Dades.txt"})
        std::ofstream(file) << "x";
    const Translations angles(Idioma::Angles);
    auto w = window(Idioma::Angles);
    w->command("FinTeo");
    w->command("FinProp"); // no English one: the Catalan
    w->command("ArxiuText");
    EXPECT_EQ(fake.opened,
              (std::vector<fs::path>{data / "en" / "T_Tarvon.pdf", data / "P_Tarvon.pdf",
                                     services.documentsFolder / "Tarvon data.txt"}));
    EXPECT_TRUE(fake.shown.empty());
}

// The text of a label or a button, as its font draws it, within its rectangle;
// a wrapping label wraps at blanks and no word is wider than the label.
std::string Overflow(const QWidget* w, const QString& text, bool wraps) {
    const QFontMetrics fm(w->font());
    QRect r = w->contentsRect();
    if (qobject_cast<const QAbstractButton*>(w)) { // the bevel's margin on either side
        const int margin = w->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w) / 2;
        r.adjust(margin, 0, -margin, 0);
    }
    if (wraps) {
        const QRect used = fm.boundingRect(QRect(0, 0, r.width(), INT_MAX), Qt::TextWordWrap, text);
        for (const QString& word : text.split(' ', Qt::SkipEmptyParts))
            if (fm.horizontalAdvance(word) > r.width())
                return "the word " + word.toStdString() + " is wider than it";
        if (used.height() > r.height())
            return std::to_string(used.height()) + " px high in " + std::to_string(r.height());
        return {};
    }
    const int width = fm.horizontalAdvance(text);
    if (width > r.width() || fm.height() > r.height())
        return std::to_string(width) + " x " + std::to_string(fm.height()) + " px in " +
               std::to_string(r.width()) + " x " + std::to_string(r.height());
    return {};
}

// How many texts were measured.
int ExpectTextsFit(const TarvonWindow& w, const std::string& when) {
    int measured = 0;
    for (const auto& [name, widget] : w.controls().byName) {
        SCOPED_TRACE(name.toStdString() + " " + when);
        if (const auto* l = qobject_cast<const QLabel*>(widget)) {
            if (l->isVisible() && !l->text().isEmpty()) {
                ++measured;
                EXPECT_EQ(Overflow(l, l->text(), l->wordWrap()), "") << l->text().toStdString();
            }
        } else if (const auto* b = qobject_cast<const QAbstractButton*>(widget)) {
            // Continuar is laid out while hidden, until a capture shows it.
            if ((b->isVisible() || name == "cmdContinuar") && !b->text().isEmpty()) {
                ++measured;
                EXPECT_EQ(Overflow(b, QString(b->text()).remove('&'), false), "")
                    << b->text().toStdString();
            }
        }
    }
    return measured;
}

// The translated texts fit the controls the Catalan was laid out for, on the
// smallest screen: the presentation, then each reaction taking data with the
// chronometer panel open.
TEST_F(WindowInALanguage, TextsFitTheirLabelsAndButtonsAt800x600) {
    for (const Idioma idioma : {Idioma::Catala, Idioma::Castella, Idioma::Angles}) {
        SCOPED_TRACE(Name(idioma));
        const Translations installed(idioma);
        auto w = window(idioma);
        w->resize(800, 570); // the screen less a title bar
        w->show();
        QCoreApplication::processEvents();
        EXPECT_EQ(ExpectTextsFit(*w, "presentation"), 8) << "seven lines and Continuar";
        const QMenuBar* bar = w->menuBar();
        const QRect last = bar->actionGeometry(w->action("mnuAjuda"));
        EXPECT_LE(last.right(), bar->width()) << "the menu bar holds every menu";
        EXPECT_EQ(last.top(), bar->actionGeometry(w->action("mnuArxiu")).top()) << "on one row";
        for (const ReactionDescription* r : Reactions()) {
            w->command(r->key);
            w->command("EinesCrono");
            w->command("CineDades05");
            // Title, description, the panel's three numbers, its captions and buttons.
            EXPECT_GE(ExpectTextsFit(*w, std::string(r->key) + " taking data"), 10);
            w->command("CineEsborrar");
            w->command("CineDadesCrono");
            ExpectTextsFit(*w, std::string(r->key) + " with the chronometer");
            w->command("CineEsborrar");
        }
    }
}

} // namespace
} // namespace tarvon
