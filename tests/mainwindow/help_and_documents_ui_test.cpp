#include "engine/fakes.h"
#include "engine/reaction_hooks.h"
#include "engine/uniform_random.h"
#include "export/file_writers.h"
#include "mainwindow/data_table_view.h"
#include "mainwindow/help_window.h"
#include "mainwindow/qt_document_services.h"
#include "mainwindow/tarvon_window.h"
#include "mainwindow/window_controls.h"
#include "qtcommon/caja_view.h"
#include "qtcommon/translations.h"
#include "window/document_commands.h"

#include <QAction>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <vector>

namespace tarvon {
namespace {

namespace fs = std::filesystem;

struct RecordingServices : Clipboard, DocumentOpener, MessageBox {
    std::vector<std::string> clipboard, opened, shown;
    void setText(const std::string& text) override { clipboard.push_back(text); }
    void open(const fs::path& file, Failed) override { opened.push_back(file.filename().string()); }
    void show(const std::string& text, const std::string&) override { shown.push_back(text); }
    using MessageBox::show;
};

struct RecordingNotice : Notice {
    std::vector<std::string> shown;
    void show(const std::string& text) override { shown.push_back(text); }
};

struct HelpAndDocuments : ::testing::Test {
    const Translations catala{Idioma::Catala}; // the texts checked are the Catalan ones
    std::unique_ptr<SimulationState> state = std::make_unique<SimulationState>();
    test::FakeClock clock;
    MersenneRandom rnd{7};
    ReactionHooks hooks;
    QTemporaryDir folder;
    RecordingServices fake;
    RecordingNotice notice;
    FileWriters writers;
    DocumentServices services{fake,
                              fake,
                              fake,
                              notice,
                              writers,
                              folder.path().toStdString(),
                              folder.filePath("Documents").toStdString()};

    std::unique_ptr<TarvonWindow> window(float factor,
                                         const DocumentServices* documents = nullptr) {
        TarvonStart s{{factor, factor != 1.0f}, 81, DataPictures(folder.path().toStdString())};
        s.documents = documents ? documents : &services;
        return std::make_unique<TarvonWindow>(*state, clock, rnd, hooks, s);
    }
};

TEST_F(HelpAndDocuments, HelpWindowIsPlacedForTheScreenAndShownOnce) {
    auto w = window(0.78125f);
    w->show();
    w->action("mnuAjuda")->trigger();
    HelpWindow* help = w->frmAjuda();
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Ajuda");
    EXPECT_EQ(help->parent(), nullptr);
    EXPECT_EQ(help->pos(), QPoint(534, 24)); // 10250 and 460 twips scaled
    EXPECT_EQ(help->size(), QSize(260, 522));
    EXPECT_EQ(help->txtAjuda()->geometry(), help->rect());
    EXPECT_DOUBLE_EQ(help->txtAjuda()->font().pointSizeF(), 7.8125);
    EXPECT_TRUE(help->txtAjuda()->toPlainText().startsWith("\nArxiu (Alt -A):\n"));
    EXPECT_EQ(help->txtAjuda()->palette().color(QPalette::Base), QColor(250, 235, 255));

    help->close();
    w->action("mnuAjuda")->trigger();
    EXPECT_EQ(w->frmAjuda(), help);
    EXPECT_TRUE(help->isVisible());
    w->close();
    EXPECT_FALSE(help->isVisible()) << "it would keep the program running";
}

TEST_F(HelpAndDocuments, AltJOpensAHelpTextThatCannotBeChangedAndEscapeCloses) {
    auto w = window(1.0f);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w->windowHandle(), Qt::Key_J, Qt::AltModifier);
    HelpWindow* help = w->frmAjuda();
    ASSERT_TRUE(help && help->isVisible());
    QPlainTextEdit* text = help->txtAjuda();
    const QString before = text->toPlainText();
    text->setFocus();
    QTest::keyClicks(text, "xyz");
    for (const Qt::Key k : {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete})
        QTest::keyClick(text, k);
    QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier); // the caret reaches the end
    QTest::keyClick(text, Qt::Key_Backspace);
    EXPECT_EQ(text->toPlainText(), before);
    EXPECT_GT(text->textCursor().position(), 0);
    QTest::keyClick(text, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    w->action("mnuAjuda")->trigger();
    EXPECT_TRUE(help->isVisible());
}

TEST_F(HelpAndDocuments, MenuItemsOpenWhatTheyName) {
    for (const char* name : {"Dades.txt", "InformExemTarvon.odt", "T_Tarvon_presentacio.pdf",
                             "T_Tarvon.pdf", "P_Tarvon.pdf", "G_Tarvon.pdf"})
        std::ofstream(folder.filePath(name).toStdString()) << name;
    auto w = window(1.0f);
    for (const char* item :
         {"ArxiuText", "ArxiuInformExem", "FinPre", "FinTeo", "FinProp", "FinGuia"})
        w->action(item)->trigger();
    EXPECT_EQ(fake.opened, (std::vector<std::string>{"Dades Tarvon.txt", "InformExemTarvon.odt",
                                                     "T_Tarvon_presentacio.pdf", "T_Tarvon.pdf",
                                                     "P_Tarvon.pdf", "G_Tarvon.pdf"}));
    EXPECT_EQ(fake.clipboard, std::vector<std::string>{""});
    EXPECT_TRUE(fake.shown.empty());
    EXPECT_EQ(notice.shown.size(), 1u) << "the new notes file";
}

TEST_F(HelpAndDocuments, AnOpenerThatFailsIsToldOnceItHasEnded) {
    std::ofstream(folder.filePath("G_Tarvon.pdf").toStdString()) << "G_Tarvon.pdf";
    DesktopOpener noViewer({"sh", "-c", "exit 3", "sh"}); // as xdg-open without an application
    const DocumentServices documents{
        fake, noViewer, fake, notice, writers, services.dataFolder, services.documentsFolder};
    auto w = window(1.0f, &documents);
    w->action("FinGuia")->trigger();
    EXPECT_TRUE(fake.shown.empty()) << "the window does not wait for the opener";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !fake.shown.empty(); }, 10000));
    EXPECT_EQ(fake.shown, std::vector<std::string>{kProcesFallat.source});
}

// The table as the data commands hand it over, one line each.
QString Table(const std::string& copied) {
    return QString::fromStdString(copied).replace("\r\n", "\n").trimmed();
}

TEST_F(HelpAndDocuments, ProjectorModeGrowsTheTextsKeepsTheTableAndIsRemembered) {
    QSettings("Orvalis", "Tarvon").clear();
    std::ofstream(folder.filePath("Dades.txt").toStdString()) << "Dades";
    auto w = window(1.0f);
    w->resize(1024, 720);
    w->show();
    EXPECT_FALSE(w->action("FinProjector")->isChecked()) << "off by default";
    w->command("HI");
    w->command("CineDades05");
    for (int i = 0; i < 40; ++i) {
        clock.t += 0.5;
        w->tmrRellotge_Timer();
    }
    const TarvonControls& c = w->controls();
    w->command("ArxiuText");
    ASSERT_EQ(fake.clipboard.size(), 1u);
    const QString copied = Table(fake.clipboard.back());
    // The title and column names stay above the rows, scrolled to the last one.
    const QPlainTextEdit* header = c.txtDades->header();
    EXPECT_TRUE(header->isVisible());
    EXPECT_EQ(header->toPlainText(), copied.section('\n', 0, 1));
    EXPECT_LE(header->geometry().bottom(), c.txtDades->viewport()->geometry().top());
    EXPECT_EQ(c.txtDades->verticalScrollBar()->value(), c.txtDades->verticalScrollBar()->maximum());
    EXPECT_GT(c.txtDades->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(c.txtDades->shownText(), copied);

    const double counter = c.txt[0]->font().pointSizeF();
    const double table = c.txtDades->font().pointSizeF();
    w->command("FinProjector");
    EXPECT_TRUE(w->action("FinProjector")->isChecked());
    EXPECT_EQ(c.Caja->minimumAtomDiameter(), 8);
    EXPECT_GT(c.txt[0]->font().pointSizeF(), counter);
    EXPECT_LE(c.txt[0]->font().pointSizeF(), 1.5 * counter);
    EXPECT_GT(c.txtDades->font().pointSizeF(), table);
    EXPECT_LE(c.txtDades->font().pointSizeF(), 1.5 * table);
    EXPECT_EQ(c.txtDades->header()->font(), c.txtDades->font());
    // A title now wider than the table wraps inside the header, above the rows.
    const QFontMetricsF metrics(c.txtDades->font());
    const QString title = copied.section('\n', 0, 0);
    const int lines = metrics.horizontalAdvance(title) > header->width() ? 3 : 2;
    EXPECT_GE(header->height(), lines * metrics.lineSpacing());
    EXPECT_LE(header->geometry().bottom(), c.txtDades->viewport()->geometry().top());
    // Nothing overlaps on the right-hand panel.
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(c.txt[i]->geometry().intersects(c.lblPropietats->geometry())) << i;
        EXPECT_FALSE(c.txt[i]->geometry().intersects(c.VScrollVel->geometry())) << i;
        if (i > 0) {
            EXPECT_FALSE(c.txt[i]->geometry().intersects(c.txt[i - 1]->geometry())) << i;
        }
    }
    EXPECT_LE(c.lblPropietats->heightForWidth(c.lblPropietats->width()), c.lblPropietats->height());
    w->command("ArxiuText");
    EXPECT_EQ(Table(fake.clipboard.back()), copied) << "the copied table is the same";
    EXPECT_EQ(c.txtDades->shownText(), copied);

    // Remembered for the next run, on and off.
    EXPECT_TRUE(window(1.0f)->action("FinProjector")->isChecked());
    w->command("FinProjector");
    EXPECT_FALSE(window(1.0f)->action("FinProjector")->isChecked());
    EXPECT_EQ(c.Caja->minimumAtomDiameter(), 0);
}

} // namespace
} // namespace tarvon
