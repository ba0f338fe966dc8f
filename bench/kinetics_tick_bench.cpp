// One animation tick of the main window with "HI" taking rows every 0.5 s,
// the paint it triggers included, with the live graph closed and open: the
// graph must not slow the tick.
#include "engine/clock.h"
#include "engine/uniform_random.h"
#include "kinetics/live_graph_window.h"
#include "mainwindow/tarvon_window.h"
#include "reactions/reaction_rules.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Fifty milliseconds a tick, whatever the machine's speed.
class TickClock final : public tarvon::Clock {
public:
    double t = 1000;
    double now() const override { return t; }
};

void Ticks(benchmark::State& run, bool graphOpen) {
    auto state = std::make_unique<tarvon::SimulationState>();
    TickClock clock;
    tarvon::MersenneRandom rnd(3);
    tarvon::ReactionRules rules(clock, rnd);
    QTemporaryDir pictures;
    tarvon::TarvonStart start{
        {1.0f, false}, 225, tarvon::DataPictures(pictures.path().toStdString())};
    tarvon::TarvonWindow window(*state, clock, rnd, rules, start);
    window.resize(1280, 900);
    window.show();
    window.command("HI");
    window.command("CineDades05");
    if (graphOpen)
        window.command("CineGrafica");
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    for (auto _ : run) {
        clock.t += 0.05;
        window.tmrRellotge_Timer();
        QCoreApplication::processEvents(); // the repaints the tick asked for
    }
    run.counters["rows"] = static_cast<double>(window.model().data.Taula.rows.size());
}

void BM_TickGraphClosed(benchmark::State& run) {
    Ticks(run, false);
}
BENCHMARK(BM_TickGraphClosed)->Unit(benchmark::kMillisecond)->Iterations(2000);

void BM_TickGraphOpen(benchmark::State& run) {
    Ticks(run, true);
}
BENCHMARK(BM_TickGraphOpen)->Unit(benchmark::kMillisecond)->Iterations(2000);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
