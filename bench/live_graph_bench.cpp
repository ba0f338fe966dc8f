// Adding a row to the live graph of a 1000-row table of four species,
// including the repaint it triggers. Target: at most 2 ms. Qt Charts, for
// comparison, appends the same point to four QLineSeries of 1000 points.
#include "kinetics/live_graph_view.h"

#include <QApplication>
#include <QPaintEvent>
#include <benchmark/benchmark.h>

#ifdef HAVE_QT_CHARTS
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#endif

#include <cmath>

namespace {

constexpr int kRows = 1000;

tarvon::DataRow RowAt(int i) {
    const float t = 0.5f * static_cast<float>(i);
    const int a = static_cast<int>(400 * std::exp(-0.002 * i));
    return {t, {a, 400 - a, (400 - a) / 2, (400 - a) / 2}};
}

tarvon::DataRows Table() {
    tarvon::DataRows t{true, {"Temps", "N2", "H2", "NH3", "I2"}, {}, {}};
    for (int i = 0; i < kRows; ++i)
        t.rows.push_back(RowAt(i));
    return t;
}

// Counts the paint events a widget receives, to be sure each row is painted.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

// A window is painted once the platform has exposed it.
void ShowExposed(QWidget& w) {
    w.show();
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
}

void AddRows(benchmark::State& state, int earlierRuns) {
    tarvon::KineticsRuns runs;
    for (int r = 0; r < earlierRuns; ++r) {
        runs.begin("NH3", "earlier");
        runs.end(Table());
    }
    runs.begin("NH3", "144 partícules, 1:1, velocitat 50");
    tarvon::DataRows table = Table();
    tarvon::LiveGraphView view;
    view.resize(640, 520);
    ShowExposed(view);
    PaintCounter counter;
    view.installEventFilter(&counter);
    std::uint64_t revision = 0;
    int next = kRows;
    for (auto _ : state) {
        // The table stays 1000 rows long: the oldest row goes as one comes.
        table.rows.erase(table.rows.begin());
        table.rows.push_back(RowAt(next++));
        view.refresh(runs, table, ++revision);
        view.repaint();
    }
    state.counters["paints"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}

void BM_LiveGraphAddRow(benchmark::State& state) {
    AddRows(state, 0);
}
BENCHMARK(BM_LiveGraphAddRow)->Unit(benchmark::kMillisecond);

void BM_LiveGraphAddRowOverFourEarlierRuns(benchmark::State& state) {
    AddRows(state, 4);
}
BENCHMARK(BM_LiveGraphAddRowOverFourEarlierRuns)->Unit(benchmark::kMillisecond);

#ifdef HAVE_QT_CHARTS
void BM_QtChartsAddRow(benchmark::State& state) {
    auto* chart = new QChart;
    auto* x = new QValueAxis;
    auto* y = new QValueAxis;
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    x->setRange(0, 1000);
    y->setRange(0, 400);
    QLineSeries* series[4];
    for (int k = 0; k < 4; ++k) {
        series[k] = new QLineSeries;
        chart->addSeries(series[k]);
        series[k]->attachAxis(x);
        series[k]->attachAxis(y);
        QList<QPointF> points;
        for (int i = 0; i < kRows; ++i)
            points.append(QPointF(RowAt(i).Temps, RowAt(i).counts[static_cast<std::size_t>(k)]));
        series[k]->replace(points);
    }
    QChartView view(chart);
    view.resize(640, 520);
    ShowExposed(view);
    int next = kRows;
    for (auto _ : state) {
        const tarvon::DataRow row = RowAt(next++);
        for (int k = 0; k < 4; ++k) {
            series[k]->remove(0);
            series[k]->append(row.Temps, row.counts[static_cast<std::size_t>(k)]);
        }
        QCoreApplication::processEvents();
        view.viewport()->repaint();
    }
}
BENCHMARK(BM_QtChartsAddRow)->Unit(benchmark::kMillisecond);
#endif

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
