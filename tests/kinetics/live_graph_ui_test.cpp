#include "engine/animation_step.h"
#include "kinetics/live_graph_view.h"
#include "kinetics/live_graph_window.h"
#include "reactions/hgo/hgo.h"
#include "reactions/hi/hi.h"
#include "reactions/reaction_rules.h"
#include "window/data_commands.h"
#include "window/kinetics_commands.h"
#include "window/reaction_choice.h"
#include "window/line_colours.h"
#include "window/tick_hooks.h"
#include "window/window_fixture.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace tarvon {
namespace {

struct GraphFixture : test::LoadedWindow {
    GraphFixture() : test::LoadedWindow(144) {
        clock.t = 900;
        TriaReaccio(m, kHI);
    }
    void ticks(int n, double seconds) {
        for (int i = 0; i < n; ++i) {
            clock.t += seconds;
            ASSERT_TRUE(step.guardedTick());
        }
    }
    ReactionRules rules{clock, rnd};
    TickHooks hooks{m, rules};
    AnimationStep step{*state, clock, rnd, hooks};
    QTemporaryDir documents;
};

// Pixels of a colour, within a small tolerance for antialiased edges.
int PixelsOf(const QImage& image, Rgb c) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            n +=
                std::abs(p.red() - c.r) + std::abs(p.green() - c.g) + std::abs(p.blue() - c.b) < 30;
        }
    return n;
}

TEST(LiveGraph, RowsFeedTheSeriesInTheSpeciesColours) {
    GraphFixture f;
    LiveGraphWindow window(1.0f, f.documents.path().toStdString());
    window.resize(640, 480);
    window.show();
    window.refresh(f.m); // no table yet: an empty graph
    EXPECT_TRUE(window.view()->current().series.empty());

    CineDades(f.m, 0.5f);
    f.ticks(6, 0.5);
    window.refresh(f.m);
    const GraphRun& run = window.view()->current();
    ASSERT_EQ(run.species, (std::vector<QString>{"HI", "H2", "I2"}));
    ASSERT_EQ(run.series.size(), 3u);
    const std::vector<DataRow>& rows = f.m.data.Taula.rows;
    ASSERT_EQ(run.series[0].size(), static_cast<qsizetype>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_FLOAT_EQ(run.series[0][i].x(), rows[i].Temps);
        EXPECT_EQ(run.series[0][i].y(), rows[i].counts[0]);
        EXPECT_EQ(run.series[2][i].y(), rows[i].counts[2]);
    }
    EXPECT_EQ(run.name, "144 partícules, 1:1, velocitat 50");
    EXPECT_TRUE(window.collisions()->isVisible());
    EXPECT_TRUE(window.collisions()->text().contains(QString("xocs: %1; efectius: %2")
                                                         .arg(f.state->xocs.collisions)
                                                         .arg(f.state->xocs.effective)));
    EXPECT_FALSE(window.view()->refresh(f.m.runs, f.m.data.Taula, f.m.data.Revisio))
        << "nothing new, nothing repainted";

    // The HI line is drawn in its colour: flat at the top while little reacts.
    const QImage image = window.view()->grab().toImage();
    EXPECT_GT(PixelsOf(image, SpeciesColour("HI")), 100);
    EXPECT_GT(PixelsOf(image, SpeciesColour("H2")), 20);
}

TEST(LiveGraph, TimedReleasesShowNoCollisions) {
    GraphFixture f;
    TriaReaccio(f.m, kHgO);
    LiveGraphWindow window(1.0f, f.documents.path().toStdString());
    window.show();
    window.refresh(f.m);
    EXPECT_FALSE(window.collisions()->isVisible());
}

TEST(LiveGraph, KeepsTheLastFiveRunsTheEarlierOnesDimmed) {
    GraphFixture f;
    LiveGraphWindow window(1.0f, f.documents.path().toStdString());
    CineDades(f.m, 1);
    for (int run = 0; run < 7; ++run) {
        f.ticks(3 + run, 1);
        CineExperimentNou(f.m);
    }
    f.ticks(2, 1);
    window.refresh(f.m);
    const std::vector<GraphRun>& earlier = window.view()->earlier();
    ASSERT_EQ(earlier.size(), 4u);
    // The newest earlier run is the seventh, of 3 + 6 ticks and its first row.
    EXPECT_EQ(earlier.back().series[0].size(), 10);
    EXPECT_EQ(earlier.front().series[0].size(), 7);
    EXPECT_EQ(window.view()->current().series[0].size(), 3);
    for (const GraphRun& run : earlier)
        EXPECT_EQ(run.name, "144 partícules, 1:1, velocitat 50");
}

TEST(LiveGraph, SavingWritesANewFileAndOverwritesNone) {
    GraphFixture f;
    LiveGraphWindow window(1.0f, f.documents.path().toStdString());
    window.resize(640, 480);
    window.show();
    CineDades(f.m, 0.5f);
    f.ticks(4, 0.5);
    window.refresh(f.m);
    const std::filesystem::path folder = f.documents.path().toStdString();
    {
        std::ofstream kept(folder / "Gràfica HI.png");
        kept << "kept";
    }
    const auto png = window.save(ImageFormat::Png);
    ASSERT_TRUE(png);
    EXPECT_EQ(png->filename().string(), "Gràfica HI (2).png");
    std::ifstream kept(folder / "Gràfica HI.png");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "kept");
    const QImage image(QString::fromStdString(png->string()));
    EXPECT_EQ(image.size(), window.view()->size());
    EXPECT_GT(PixelsOf(image, SpeciesColour("HI")), 100);
    EXPECT_TRUE(window.status()->text().contains("Gràfica HI (2).png"));

    const auto svg = window.save(ImageFormat::Svg);
    ASSERT_TRUE(svg);
    EXPECT_EQ(svg->filename().string(), "Gràfica HI.svg");
    QFile file(QString::fromStdString(svg->string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("<svg") && text.contains("Nombre de part"));
    EXPECT_NE(window.save(ImageFormat::Svg)->filename(), svg->filename());
}

TEST(LiveGraph, FollowsTheProjectorModeOfTheMainWindow) {
    GraphFixture f;
    LiveGraphWindow window(1.0f, f.documents.path().toStdString());
    window.refresh(f.m);
    const double designed = window.collisions()->font().pointSizeF();
    f.m.w.ModeProjector = true;
    window.refresh(f.m);
    EXPECT_DOUBLE_EQ(window.collisions()->font().pointSizeF(), designed * 1.5);
    EXPECT_DOUBLE_EQ(window.view()->font().pointSizeF(), designed * 1.5);
    f.m.w.ModeProjector = false;
    window.refresh(f.m);
    EXPECT_DOUBLE_EQ(window.collisions()->font().pointSizeF(), designed);
}

TEST(LiveGraph, EscapeClosesIt) {
    GraphFixture f;
    LiveGraphWindow window(1.0f, f.documents.path().toStdString());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QTest::keyClick(window.saveButton(), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace tarvon
