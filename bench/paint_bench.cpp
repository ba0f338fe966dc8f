// A full box, 1002 atom shapes, painted into a 1024 x 768 image: by the plain
// painter (each circle anti-aliased in place) and by the box painter (still
// layer copied, circles from sprites). Then the box as a 1920 x 1080 screen at
// device pixel ratio 2 repaints it.
#include "engine/catom.h"
#include "engine/reference_box.h"
#include "qtcommon/box_painter.h"
#include "qtcommon/caja_painter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

const QColor kBack(192, 255, 255);

// Shapes spread over `width` x `height` pixels, moved a little each frame so
// that the sprites' sub-pixel offsets vary as in a running box.
void fillBox(tarvon::SimulationState& s, tarvon::UniformRandom& rnd, double width, double height) {
    tarvon::SetReferenceBox(s);
    const tarvon::CAtom atoms;
    atoms.Crea_AtomsA(s, 501);
    atoms.Crea_AtomsB(s, 501);
    atoms.Propietats_AtomsA(s, 199.5f, 501, {0, 190, 255}, {0, 0, 255});
    atoms.Propietats_AtomsB(s, 55.5f, 501, {255, 100, 0}, {0, 0, 255});
    for (tarvon::ShapeArray* shapes : {&s.caja.AtomA, &s.caja.AtomB})
        for (int k = 0; k <= 500; ++k) {
            (*shapes)[k].left = static_cast<float>(15 * width * rnd.next());
            (*shapes)[k].top = static_cast<float>(15 * height * rnd.next());
            (*shapes)[k].visible = true;
        }
}

void nudge(tarvon::SimulationState& s, tarvon::UniformRandom& rnd) {
    for (tarvon::ShapeArray* shapes : {&s.caja.AtomA, &s.caja.AtomB})
        for (int k = 0; k <= 500; ++k)
            shapes->move(k, (*shapes)[k].left + static_cast<float>(20 * rnd.next() - 10),
                         (*shapes)[k].top + static_cast<float>(20 * rnd.next() - 10));
}

void BM_PaintFullBox(benchmark::State& run) {
    tarvon::SimulationState s;
    tarvon::MersenneRandom rnd(3);
    fillBox(s, rnd, 400, 533);
    QImage image(1024, 768, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : run) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), kBack);
        tarvon::paintShapes(painter, s.caja);
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_PaintFullBox)->Unit(benchmark::kMillisecond);

// The box painter at `scale` device pixels per pixel, into a picture of
// width x height pixels, the atoms spread over `spread`.
void paintWithBoxPainter(benchmark::State& run, double scale, int width, int height,
                         QSizeF spread) {
    tarvon::SimulationState s;
    tarvon::MersenneRandom rnd(3);
    fillBox(s, rnd, spread.width(), spread.height());
    const QSize size(static_cast<int>(width * scale), static_cast<int>(height * scale));
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(kBack);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    tarvon::BoxPainter box;
    for (auto _ : run) {
        run.PauseTiming();
        nudge(s, rnd);
        run.ResumeTiming();
        QPainter painter(&image);
        box.paint(painter, picture, 1, s.caja, scale);
    }
    benchmark::DoNotOptimize(image.constBits());
    run.counters["sprites"] = static_cast<double>(box.sprites().size());
}

void BM_PaintFullBoxSprites(benchmark::State& run) {
    paintWithBoxPainter(run, 1, 1024, 768, {400, 533}); // as the plain painter's
}
BENCHMARK(BM_PaintFullBoxSprites)->Unit(benchmark::kMillisecond);

// The box of a 1920 x 1080 screen fitted at about 1.4 times the reference
// layout, 960 x 800 pixels, at ratio 2: 1920 x 1600 device pixels.
void BM_PaintBox1920Dpr2(benchmark::State& run) {
    paintWithBoxPainter(run, 2, 960, 800, {940, 780});
}
BENCHMARK(BM_PaintBox1920Dpr2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
