#include "engine/animation_step.h"
#include "export/analysis_sheet.h"
#include "export/archive_testing.h"
#include "export/file_writers.h"
#include "export/workbook_export.h"
#include "kinetics/live_graph_view.h"
#include "kinetics/live_graph_window.h"
#include "kinetics/order_window.h"
#include "qtcommon/qt_language.h"
#include "qtcommon/translations.h"
#include "reactions/hi/hi.h"
#include "reactions/reaction_rules.h"
#include "window/data_commands.h"
#include "window/reaction_choice.h"
#include "window/tick_hooks.h"
#include "window/window_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvon {
namespace {

using testing::EntryData;
using testing::ReadArchive;

// The main window's model as the window makes it: its words from the
// installed catalogues.
struct TranslatedModel {
    TranslatedModel() {
        m.w.FactorPantalla = 1.0f;
        FormLoad(m, 144, LayoutFor(1.0f, false));
        clock.t = 900;
        TriaReaccio(m, kHI);
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) {
            clock.t += 1;
            ASSERT_TRUE(step.guardedTick());
        }
    }
    std::unique_ptr<SimulationState> state = std::make_unique<SimulationState>();
    test::FakeClock clock;
    MersenneRandom rnd{11};
    test::FakePicture picture;
    TarvonModel m{*state, clock, rnd, picture, Traduit()};
    ReactionRules rules{clock, rnd};
    TickHooks hooks{m, rules};
    AnimationStep step{*state, clock, rnd, hooks};
};

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1))
        ++n;
    return n;
}

TEST(KineticsLanguages, SheetNamesAreValidAndDistinctInEveryLanguage) {
    for (const Idioma idioma : {Idioma::Catala, Idioma::Castella, Idioma::Angles}) {
        const Translations installed(idioma);
        const QString data = Tx(kFullaDades), analysis = Tx(kFullaAnalisi);
        for (const QString& name : {data, analysis}) {
            const std::string where = CodiIdioma(idioma) + (": " + name.toStdString());
            EXPECT_FALSE(name.isEmpty()) << where;
            EXPECT_LE(name.size(), 31) << where;
            for (const QChar c : QString("[]:*?/\\"))
                EXPECT_FALSE(name.contains(c)) << where;
            EXPECT_FALSE(name.startsWith('\'') || name.endsWith('\'')) << where;
        }
        EXPECT_NE(data.compare(analysis, Qt::CaseInsensitive), 0) << CodiIdioma(idioma);
    }
}

TEST(KineticsLanguages, TheWorkbookIsWrittenInTheUsersLanguage) {
    const QTemporaryDir dir;
    const std::string path = (dir.path() + "/DadesCineHI.xlsx").toStdString();
    TranslatedModel f;
    CineDades(f.m, 1.0f);
    f.ticks(6);
    struct Expected {
        Idioma idioma;
        std::string data, analysis, title, time, chart;
    };
    for (const Expected& e : {Expected{Idioma::Castella, "Hoja1", "Análisis",
                                       "Número de partículas en función del tiempo (segundos)",
                                       "Tiempo", "HI: ln N (orden 1)"},
                              Expected{Idioma::Angles, "Sheet1", "Analysis",
                                       "Number of particles as a function of time (seconds)",
                                       "Time", "HI: ln N (order 1)"}}) {
        const Translations installed(e.idioma);
        FileWriters writers(Traduit());
        std::string reason;
        ASSERT_TRUE(writers.workbook(path, f.m.data.Taula, "HI", reason)) << reason;
        const auto book = ReadArchive(path);
        const std::string workbook = EntryData(book, "xl/workbook.xml");
        EXPECT_EQ(Count(workbook, "<sheet name=\"" + e.data + "\""), 1) << workbook;
        EXPECT_EQ(Count(workbook, "<sheet name=\"" + e.analysis + "\""), 1) << workbook;
        const std::string strings = EntryData(book, "xl/sharedStrings.xml");
        for (const std::string& text : {e.title, e.time})
            EXPECT_EQ(Count(strings, ">" + text + "<"), 1) << text;
        // The charts read the sheets by their names in this language.
        const std::string table = EntryData(book, "xl/charts/chart1.xml");
        EXPECT_EQ(Count(table, e.data + "!$A$5:$A$"), 3) << table;
        EXPECT_EQ(Count(table, "<a:t>" + e.time + " (s)</a:t>"), 1);
        const std::string lnHI = EntryData(book, "xl/charts/chart3.xml");
        EXPECT_EQ(Count(lnHI, "<a:t>" + e.chart + "</a:t>"), 1) << lnHI;
        EXPECT_EQ(Count(lnHI, e.analysis + "!$I$12:$I$") + Count(lnHI, e.analysis + "'!$I$12:$I$"),
                  1)
            << lnHI;
    }
}

TEST(KineticsLanguages, TheKineticsWindowsSpeakTheUsersLanguage) {
    const QTemporaryDir documents;
    {
        const Translations installed(Idioma::Castella);
        TranslatedModel f;
        OrderWindow order(1.0f);
        order.refresh(f.m);
        EXPECT_EQ(order.windowTitle(), "Análisis del orden");
        EXPECT_EQ(order.text()->text(),
                  "No hay datos: elija una reacción y tome datos en el menú Cinética.");
        CineDades(f.m, 1.0f);
        f.ticks(12);
        order.refresh(f.m);
        EXPECT_TRUE(order.text()->text().startsWith("Orden 0 (N): R² = "))
            << order.text()->text().toStdString();
        EXPECT_TRUE(order.text()->text().contains("partículas/s"));
        EXPECT_FALSE(order.text()->text().contains("partícules"));
    }
    const Translations installed(Idioma::Angles);
    TranslatedModel f;
    LiveGraphWindow graph(1.0f, documents.path().toStdString());
    EXPECT_EQ(graph.windowTitle(), "Live graph");
    EXPECT_EQ(graph.saveButton()->text(), "Save image…");
    CineDades(f.m, 1.0f);
    f.ticks(4);
    graph.refresh(f.m);
    EXPECT_TRUE(graph.collisions()->text().startsWith("Since the experiment began: collisions: "));
    EXPECT_EQ(graph.view()->current().name, "144 particles, 1:1, speed 50");
    ASSERT_TRUE(graph.save(ImageFormat::Png));
    EXPECT_TRUE(graph.status()->text().startsWith("Saved in the Documents folder: "));
}

} // namespace
} // namespace tarvon
