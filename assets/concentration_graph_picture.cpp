#include "assets/concentration_graph_picture.h"

#include "assets/fonts.h"
#include "assets/formula_line.h"
#include "assets/window_colours.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace assets {

namespace {

// The drawing is laid out on a 700 x 450 grid and scaled to the image.
constexpr qreal kGridWidth = 700;
constexpr qreal kLeft = 105, kRight = 670, kTop = 25, kBottom = 370;
constexpr qreal kMaxTime = 60;   // seconds
constexpr qreal kMaxCount = 200; // molecules at the start
// Two molecules meet in each event, so the rate goes with the square of the count:
// N = N0 / (1 + k t), a fifth of N0 left after a minute.
constexpr qreal kRateConstant = 4.0 / 60.0;

const QColor kGrid(215, 228, 236);
const QColor kAxis(45, 65, 85);
const QColor kReactant(0, 150, 215);
const QColor kProduct(235, 95, 0);

qreal hydrogenIodide(qreal t) {
    return kMaxCount / (1 + kRateConstant * t);
}

class GraphPainter {
public:
    explicit GraphPainter(QImage& image) : p_(&image), s_(image.width() / kGridWidth) {
        p_.setRenderHint(QPainter::Antialiasing);
        p_.scale(s_, s_);
    }

    void paint() {
        paintGrid();
        paintCurve([](qreal t) { return hydrogenIodide(t); }, kReactant);
        paintCurve([](qreal t) { return (kMaxCount - hydrogenIodide(t)) / 2; }, kProduct);
        paintLegend();
    }

private:
    static QPointF at(qreal t, qreal n) {
        return {kLeft + (kRight - kLeft) * t / kMaxTime,
                kBottom - (kBottom - kTop) * n / kMaxCount};
    }

    void paintGrid() {
        p_.setFont(textFont(21));
        for (int n = 0; n <= kMaxCount; n += 50) {
            p_.setPen(QPen(n == 0 ? kAxis : kGrid, n == 0 ? 2 : 1));
            p_.drawLine(at(0, n), at(kMaxTime, n));
            p_.setPen(kAxis);
            p_.drawText(QRectF(at(0, n) - QPointF(60, 14), QSizeF(50, 28)),
                        Qt::AlignRight | Qt::AlignVCenter, QString::number(n));
        }
        for (int t = 0; t <= kMaxTime; t += 10) {
            p_.setPen(QPen(t == 0 ? kAxis : kGrid, t == 0 ? 2 : 1));
            p_.drawLine(at(t, 0), at(t, kMaxCount));
            p_.setPen(kAxis);
            p_.drawText(QRectF(at(t, 0) + QPointF(-25, 6), QSizeF(50, 28)), Qt::AlignCenter,
                        QString::number(t));
        }
        p_.drawText(QRectF(kLeft, kBottom + 36, kRight - kLeft, 30), Qt::AlignCenter,
                    QStringLiteral("Temps (s)"));
        p_.save();
        p_.translate(20, (kTop + kBottom) / 2);
        p_.rotate(-90);
        p_.drawText(QRectF(-170, -15, 340, 30), Qt::AlignCenter,
                    QStringLiteral("Nombre de molècules"));
        p_.restore();
    }

    template <typename Count> void paintCurve(Count count, const QColor& colour) {
        QPainterPath path(at(0, count(0)));
        for (qreal t = 0.5; t <= kMaxTime; t += 0.5)
            path.lineTo(at(t, count(t)));
        p_.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(path);
    }

    void paintLegend() {
        const QFont font = textFont(28, QFont::Bold);
        legendEntry(QStringLiteral("HI"), kReactant, QPointF(450, 80), font);
        legendEntry(QStringLiteral("H2 = I2"), kProduct, QPointF(450, 125), font);
    }

    void legendEntry(const QString& formula, const QColor& colour, QPointF baseline,
                     const QFont& font) {
        p_.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap));
        p_.drawLine(baseline + QPointF(0, -9), baseline + QPointF(44, -9));
        FormulaLine(formula, font).paint(p_, baseline + QPointF(56, 0), kTextInk);
    }

    QPainter p_;
    qreal s_;
};

} // namespace

void paintConcentrationGraph(QImage& image) {
    GraphPainter(image).paint();
}

} // namespace assets
