#include "assets/plot_frame.h"

#include "assets/fonts.h"
#include "assets/window_colours.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace assets {

namespace {
const QColor kGrid(215, 228, 236);
const QColor kAxis(45, 65, 85);
} // namespace

AxisScale niceScale(double low, double high, int wantedSteps) {
    if (high <= low)
        high = low + 1;
    const double raw = (high - low) / wantedSteps;
    const double power = std::pow(10, std::floor(std::log10(raw)));
    double step = power;
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw) {
            step = m * power;
            break;
        }
    return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

QString tickText(double value, QChar decimal) {
    if (std::abs(value) < 1e-12)
        value = 0;
    return QString::number(value, 'g', 4).replace(QLatin1Char('.'), decimal);
}

PlotFrame::PlotFrame(QPainter& painter, const QRectF& area, AxisScale x, AxisScale y,
                     qreal fontPixels, QChar decimal)
    : p_(painter), x_(x), y_(y), font_(fontPixels), decimal_(decimal) {
    // Room for the tick labels and the titles left and below.
    inner_ = area.adjusted(4.2 * font_, 0.6 * font_, -0.8 * font_, -3.2 * font_);
}

QPointF PlotFrame::at(QPointF d) const {
    return {inner_.left() + inner_.width() * (d.x() - x_.low) / (x_.high - x_.low),
            inner_.bottom() - inner_.height() * (d.y() - y_.low) / (y_.high - y_.low)};
}

void PlotFrame::paintGrid(const QString& xTitle, const QString& yTitle) {
    p_.setFont(textFont(static_cast<int>(font_)));
    paintXTicks();
    paintYTicks();
    p_.setPen(QPen(kAxis, 2));
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(inner_);
    p_.drawText(QRectF(inner_.left(), inner_.bottom() + 1.6 * font_, inner_.width(), 1.5 * font_),
                Qt::AlignCenter, xTitle);
    p_.save();
    p_.translate(inner_.left() - 3.6 * font_, inner_.center().y());
    p_.rotate(-90);
    p_.drawText(QRectF(-inner_.height() / 2, -0.75 * font_, inner_.height(), 1.5 * font_),
                Qt::AlignCenter, yTitle);
    p_.restore();
}

void PlotFrame::paintXTicks() {
    for (double t = x_.low; t <= x_.high + x_.step / 2; t += x_.step) {
        const QPointF base = at({t, y_.low});
        p_.setPen(QPen(kGrid, 1));
        p_.drawLine(base, at({t, y_.high}));
        p_.setPen(kAxis);
        p_.drawText(QRectF(base.x() - 2 * font_, base.y() + 0.3 * font_, 4 * font_, 1.3 * font_),
                    Qt::AlignCenter, tickText(t, decimal_));
    }
}

void PlotFrame::paintYTicks() {
    for (double v = y_.low; v <= y_.high + y_.step / 2; v += y_.step) {
        const QPointF base = at({x_.low, v});
        p_.setPen(QPen(kGrid, 1));
        p_.drawLine(base, at({x_.high, v}));
        p_.setPen(kAxis);
        p_.drawText(QRectF(base.x() - 4 * font_, base.y() - 0.7 * font_, 3.7 * font_, 1.4 * font_),
                    Qt::AlignRight | Qt::AlignVCenter, tickText(v, decimal_));
    }
}

void PlotFrame::paintCurve(const std::vector<QPointF>& points, const QColor& colour, qreal width) {
    if (points.empty())
        return;
    QPainterPath path(at(points.front()));
    for (const QPointF& d : points)
        path.lineTo(at(d));
    p_.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p_.setBrush(Qt::NoBrush);
    p_.drawPath(path);
}

void PlotFrame::paintDots(const std::vector<QPointF>& points, const QColor& colour, qreal radius) {
    p_.setPen(Qt::NoPen);
    p_.setBrush(colour);
    for (const QPointF& d : points)
        p_.drawEllipse(at(d), radius, radius);
}

void PlotFrame::paintLine(double slope, double intercept, const QColor& colour, qreal width) {
    p_.save();
    p_.setClipRect(inner_);
    p_.setPen(QPen(colour, width, Qt::DashLine, Qt::RoundCap));
    p_.drawLine(at({x_.low, slope * x_.low + intercept}),
                at({x_.high, slope * x_.high + intercept}));
    p_.restore();
}

} // namespace assets
