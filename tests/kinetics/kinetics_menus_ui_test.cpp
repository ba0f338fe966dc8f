#include "engine/fakes.h"
#include "engine/reaction_hooks.h"
#include "export/file_writers.h"
#include "kinetics/live_graph_view.h"
#include "kinetics/live_graph_window.h"
#include "kinetics/order_window.h"
#include "mainwindow/tarvon_window.h"
#include "platform/clipboard.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace tarvon {
namespace {

struct Quiet : Clipboard, DocumentOpener, MessageBox, Notice {
    void setText(const std::string&) override {}
    void open(const std::filesystem::path&, Failed) override {}
    void show(const std::string&, const std::string&) override {} // the message box
    void show(const std::string&) override {}                     // the notice
};

struct KineticsMenus : ::testing::Test {
    std::unique_ptr<SimulationState> state = std::make_unique<SimulationState>();
    test::FakeClock clock;
    MersenneRandom rnd{5};
    ReactionHooks hooks;
    QTemporaryDir folder;
    Quiet quiet;
    FileWriters writers;
    DocumentServices services{quiet,
                              quiet,
                              quiet,
                              quiet,
                              writers,
                              folder.path().toStdString(),
                              folder.filePath("Documents").toStdString()};

    std::unique_ptr<TarvonWindow> window() {
        TarvonStart s{{1.0f, false}, 81, DataPictures(folder.path().toStdString())};
        s.documents = &services;
        clock.t = 300;
        return std::make_unique<TarvonWindow>(*state, clock, rnd, hooks, s);
    }
};

TEST_F(KineticsMenus, TheWindowsOpenFromTheMenuAndFollowTheTicks) {
    auto w = window();
    w->show();
    EXPECT_FALSE(w->action("mnuCine")->isEnabled());
    w->command("CineGrafica"); // not usable yet: nothing opens
    EXPECT_EQ(w->liveGraph(), nullptr);

    w->action("HI")->trigger();
    EXPECT_EQ(w->action("CineGrafica")->text(), "Gràfica en directe");
    EXPECT_TRUE(w->action("CineExperimentNou")->isEnabled());
    w->action("CineGrafica")->trigger();
    w->action("CineAnalisi")->trigger();
    ASSERT_TRUE(w->liveGraph() && w->liveGraph()->isVisible());
    ASSERT_TRUE(w->orderWindow() && w->orderWindow()->isVisible());
    EXPECT_TRUE(w->liveGraph()->view()->current().series.empty()); // no rows yet
    EXPECT_TRUE(w->orderWindow()->text()->text().contains("No hi ha dades"));

    w->action("CineDades05")->trigger();
    for (int i = 0; i < 5; ++i) {
        clock.t += 0.5;
        w->tmrRellotge_Timer();
    }
    ASSERT_EQ(w->liveGraph()->view()->current().series.size(), 3u);
    EXPECT_EQ(w->liveGraph()->view()->current().series[0].size(), 6);
    EXPECT_EQ(w->orderWindow()->column()->currentText(), "HI");
    EXPECT_EQ(w->orderWindow()->report().points[0].t.size(), 6u);

    w->action("CineExperimentNou")->trigger();
    EXPECT_EQ(w->liveGraph()->view()->earlier().size(), 1u);
    EXPECT_EQ(w->liveGraph()->view()->current().series[0].size(), 1);

    w->command("CineEsborrar");
    w->command("CineMeca");
    EXPECT_FALSE(w->action("CineExperimentNou")->isEnabled());
    EXPECT_TRUE(w->action("CineGrafica")->isEnabled());

    w->close(); // the side windows go with the main one
    EXPECT_FALSE(w->liveGraph()->isVisible() || w->orderWindow()->isVisible());
}

} // namespace
} // namespace tarvon
