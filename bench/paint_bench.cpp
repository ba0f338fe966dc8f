// A full box, 1002 atom shapes, painted into a 1024 x 768 image by the view's
// painter. Target: at most 4 ms.
#include "engine/catom.h"
#include "engine/reference_box.h"
#include "qtcommon/caja_painter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

void fillBox(tarvon::SimulationState& s, tarvon::UniformRandom& rnd) {
    tarvon::SetReferenceBox(s);
    const tarvon::CAtom atoms;
    atoms.Crea_AtomsA(s, 501);
    atoms.Crea_AtomsB(s, 501);
    atoms.Propietats_AtomsA(s, 199.5f, 501, {0, 190, 255}, {0, 0, 255});
    atoms.Propietats_AtomsB(s, 55.5f, 501, {255, 100, 0}, {0, 0, 255});
    for (tarvon::ShapeArray* shapes : {&s.caja.AtomA, &s.caja.AtomB})
        for (int k = 0; k <= 500; ++k) {
            (*shapes)[k].left = static_cast<float>(6000 * rnd.next());
            (*shapes)[k].top = static_cast<float>(8000 * rnd.next());
            (*shapes)[k].visible = true;
        }
}

void BM_PaintFullBox(benchmark::State& run) {
    tarvon::SimulationState s;
    tarvon::MersenneRandom rnd(3);
    fillBox(s, rnd);
    QImage image(1024, 768, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : run) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), QColor(192, 255, 255));
        tarvon::paintShapes(painter, s.caja);
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_PaintFullBox)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
