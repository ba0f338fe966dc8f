// The box painter against the plain painter: every circle anti-aliased in
// place over the picture. Sprites are placed and sized to an eighth of a
// pixel, so a pixel on an edge may differ a little; a wrong colour, border,
// size or place differs by far more, over whole atoms.
#include "qtcommon/box_painter.h"
#include "qtcommon/caja_painter.h"
#include "reactions/atom_colours.h"
#include "reactions/registry.h"
#include "tools/sim_run.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

namespace tarvon {
namespace {

struct Difference {
    int largest = 0;     // in one colour channel, 0 to 255
    double farShare = 0; // share of the pixels that differ by more than kFar
    static constexpr int kFar = 40;
};

Difference compare(const QImage& a, const QImage& b) {
    Difference d;
    long far = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int most = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                       std::abs(qBlue(p) - qBlue(q))});
            d.largest = std::max(d.largest, most);
            far += most > Difference::kFar;
        }
    d.farShare = static_cast<double>(far) / (static_cast<double>(a.width()) * a.height());
    return d;
}

// The box's picture at `scale`: back colour and a few lines, as a cube has.
QImage picture(const SimulationState& s, double scale) {
    QImage image(static_cast<int>(std::ceil(s.LimitVisX / 15 * scale)),
                 static_cast<int>(std::ceil(s.LimitVisY / 15 * scale)), QImage::Format_RGB32);
    image.fill(QColor(220, 255, 255));
    QPainter p(&image);
    p.setPen(QPen(QColor(150, 0, 255), 2 * scale));
    p.drawLine(0, 0, image.width(), image.height());
    p.drawLine(image.width() / 3, 0, image.width() / 3, image.height());
    return image;
}

QImage direct(const QImage& back, const CajaShapes& shapes, double scale, double minimum) {
    QImage image = back.copy();
    QPainter p(&image);
    p.scale(scale, scale);
    paintShapes(p, shapes, minimum);
    return image;
}

QImage painted(BoxPainter& box, const QImage& back, std::uint64_t revision,
               const CajaShapes& shapes, double scale) {
    QImage image(back.size(), QImage::Format_RGB32);
    image.fill(Qt::black); // the painter must cover it all
    QPainter p(&image);
    box.paint(p, back, revision, shapes, scale);
    return image;
}

// Marks some atoms as a click does and highlights others as a capture does.
void markAndHighlight(SimulationState& s) {
    for (ShapeArray* shapes : {&s.caja.AtomA, &s.caja.AtomB})
        for (long k = 0; k <= shapes->upperIndex(); ++k) {
            if (k % 7 == 3) {
                (*shapes)[k].border = ColorMarca;
                (*shapes)[k].borderWidth = 3;
            } else if (k % 11 == 5) {
                (*shapes)[k].border = {0, 255, 0};
                (*shapes)[k].borderWidth = 2;
            }
        }
}

std::unique_ptr<SimRun> running(const ReactionDescription* r, int ticks) {
    SimOptions o;
    o.reaction = r;
    o.particles = 300;
    auto run = std::make_unique<SimRun>(o, 5, '.');
    for (int t = 0; t < ticks; ++t)
        run->tick();
    return run;
}

void expectClose(const QImage& expected, const QImage& got, const std::string& what) {
    ASSERT_EQ(expected.size(), got.size()) << what;
    const Difference d = compare(expected, got);
    EXPECT_LE(d.largest, 80) << what;
    EXPECT_LT(d.farShare, 0.0005) << what;
}

TEST(BoxPainter, SpritesShowWhatDirectDrawingShowsForEverySpeciesMarkedAndHighlighted) {
    for (const ReactionDescription* r : Reactions()) {
        auto run = running(r, 40);
        SimulationState& s = run->state();
        markAndHighlight(s);
        for (const double scale : {1.0, 1.5, 2.0}) {
            const QImage back = picture(s, scale);
            BoxPainter box;
            const std::string what = std::string(r->key) + " at " + std::to_string(scale);
            expectClose(direct(back, s.caja, scale, 0), painted(box, back, 1, s.caja, scale), what);
            box.setMinimumAtomDiameter(8);
            expectClose(direct(back, s.caja, scale, 8), painted(box, back, 1, s.caja, scale),
                        what + ", atoms at least 8 pixels");
        }
    }
}

// A circle painted with a wrong offset must not pass the comparison above.
TEST(BoxPainter, ComparisonCatchesAnAtomOnePixelOff) {
    auto run = running(FindReaction("HI"), 5);
    SimulationState& s = run->state();
    const QImage back = picture(s, 1);
    const QImage before = direct(back, s.caja, 1, 0);
    for (long k = 0; k <= s.caja.AtomA.upperIndex(); ++k)
        s.caja.AtomA.move(k, s.caja.AtomA[k].left + 15, s.caja.AtomA[k].top);
    const Difference d = compare(before, direct(back, s.caja, 1, 0));
    EXPECT_TRUE(d.largest > 80 || d.farShare >= 0.0005);
}

// Visible still shapes of the box.
int stillShapes(const CajaShapes& c) {
    int n = 0;
    for (const AtomShape* s : c.paintOrder())
        n += s->still;
    return n;
}

TEST(BoxPainter, StillLayerHoldsTheLatticeAsItIsReleased) {
    auto run = running(FindReaction("HgO"), 0);
    SimulationState& s = run->state();
    const QImage back = picture(s, 1);
    BoxPainter box;
    painted(box, back, 1, s.caja, 1);
    EXPECT_EQ(static_cast<int>(box.stillLayer().held()), stillShapes(s.caja));
    const int first = box.stillLayer().rebuilds();
    painted(box, back, 1, s.caja, 1);
    EXPECT_EQ(box.stillLayer().rebuilds(), first); // nothing changed, nothing drawn again
    int released = 0, frames = 0;
    for (; frames < 120; ++frames) {
        const int before = s.nHg;
        for (int t = 0; t < 3; ++t)
            run->tick();
        released += s.nHg != before;
        expectClose(direct(back, s.caja, 1, 0), painted(box, back, 1, s.caja, 1),
                    "frame " + std::to_string(frames));
    }
    EXPECT_GT(released, 0);
    // Only the sites that a moving atom touched at the last change are drawn each frame.
    EXPECT_GE(static_cast<int>(box.stillLayer().held()), stillShapes(s.caja) / 2);
    EXPECT_LT(box.stillLayer().rebuilds() - first, frames) << released << " releases";
    // Sites of the block marked by a click: changed in place, not restacked.
    int marked = 0;
    for (long k = 0; k < s.NumA; k += 5)
        if (std::as_const(s.caja.AtomA)[k].still) {
            s.caja.AtomA[k].border = ColorMarca;
            ++marked;
        }
    ASSERT_GT(marked, 0);
    expectClose(direct(back, s.caja, 1, 0), painted(box, back, 1, s.caja, 1), "marked sites");
    // A new picture (the box laid out again) is taken in.
    QImage other = back.copy();
    other.fill(Qt::white);
    expectClose(direct(other, s.caja, 1, 0), painted(box, other, 2, s.caja, 1), "new picture");
}

TEST(BoxPainter, OxidisedIronLayerIsShownAsItChanges) {
    auto run = running(FindReaction("FeO"), 0);
    SimulationState& s = run->state();
    const QImage back = picture(s, 2);
    BoxPainter box;
    int oxidised = 0;
    for (int frame = 0; frame < 150 && oxidised < 3; ++frame) {
        const int before = s.nFeO;
        for (int t = 0; t < 4; ++t)
            run->tick();
        const QImage got = painted(box, back, 1, s.caja, 2);
        if (s.nFeO != before) {
            ++oxidised;
            expectClose(direct(back, s.caja, 2, 0), got,
                        "oxidised, frame " + std::to_string(frame));
        }
    }
    EXPECT_GT(oxidised, 0);
}

// The mechanism view shows each captured group as it was caught: for the
// surface reactions the still layer's own shapes are moved and bordered. Its
// large atoms are drawn in place at ratio 2, from sprites at ratio 1.
TEST(BoxPainter, CapturedGroupsAreShownExactly) {
    bool inPlace = false, fromSprites = false;
    for (const ReactionDescription* r : Reactions())
        for (const double scale : {1.0, 2.0}) {
            SimOptions o;
            o.reaction = r;
            SimRun run(o, 9, '.');
            run.enterMechanism();
            SimulationState& s = run.state();
            const QImage back = picture(s, scale);
            BoxPainter box;
            int shown = 0;
            for (int t = 0; t < 3000 && shown < 2; ++t) {
                run.tick();
                const QImage got = painted(box, back, 1, s.caja, scale); // a warm cache
                if (s.meca.CapturaEnPantalla) {
                    ++shown;
                    expectClose(direct(back, s.caja, scale, 0), got,
                                std::string(r->key) + " capture at tick " + std::to_string(t));
                }
            }
            EXPECT_GT(shown, 0) << r->key;
            for (const AtomShape* a : s.caja.paintOrder())
                (a->width / 15.0 * scale > 64 ? inPlace : fromSprites) = true;
        }
    EXPECT_TRUE(inPlace && fromSprites); // both ways of drawing were compared
}

TEST(BoxPainter, SmallAtomsAreDrawnAtLeastTheMinimumAboutTheirCentre) {
    CajaShapes c;
    AtomShape& a = c.AtomA[0];
    a.left = 1500;
    a.top = 1500;
    a.width = a.height = 45; // 3 pixels
    a.fill = {255, 100, 0};
    a.visible = true;
    QImage back(300, 300, QImage::Format_RGB32);
    back.fill(Qt::white);
    for (const double scale : {1.0, 2.0}) {
        QImage scaledBack = back.scaled(back.size() * scale);
        BoxPainter box;
        box.setMinimumAtomDiameter(8);
        const QImage got = painted(box, scaledBack, 1, c, scale);
        // The circle's extent along the row through its centre, device pixels.
        const int row = static_cast<int>(101.5 * scale);
        int left = got.width(), right = -1;
        for (int x = 0; x < got.width(); ++x)
            if (got.pixel(x, row) != qRgb(255, 255, 255)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        EXPECT_NEAR(right - left + 1, 8 * scale, 1.0) << scale;
        EXPECT_NEAR((left + right + 1) / 2.0, 101.5 * scale, 0.75) << scale;
        EXPECT_EQ(a.width, 45); // the model is untouched
    }
}

} // namespace
} // namespace tarvon
