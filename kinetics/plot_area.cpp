#include "kinetics/plot_area.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace tarvon {

NiceAxis NiceAxisFor(double low, double high, int wantedSteps) {
    if (!(high > low)) // one value, or none: a unit around it
        high = low + 1;
    const double raw = (high - low) / std::max(wantedSteps, 1);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    for (const double f : {1.0, 2.0, 5.0, 10.0})
        if (f * power >= raw) {
            step = f * power;
            break;
        }
    return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

QString TickText(double value, double step, QChar separator) {
    const int decimals = std::clamp(static_cast<int>(-std::floor(std::log10(step) + 1e-9)), 0, 8);
    if (std::abs(value) < step * 1e-6)
        value = 0; // no "-0"
    return QString::number(value, 'f', decimals).replace('.', separator);
}

namespace {

// Room for the tick labels and the titles, from the font.
QRectF innerOf(const QRectF& r, const QFont& font) {
    const QFontMetricsF fm(font);
    const qreal left = fm.horizontalAdvance("-0,00000") + 2 * fm.height();
    return r.adjusted(left, fm.height(), -fm.height(), -2.5 * fm.height());
}

} // namespace

PlotArea::PlotArea(const QRectF& rect, NiceAxis x, NiceAxis y, const QFont& font, QChar separator)
    : inner_(innerOf(rect, font)), x_(x), y_(y), font_(font), separator_(separator) {}

QPointF PlotArea::map(QPointF d) const {
    return {inner_.left() + (d.x() - x_.low) / (x_.high - x_.low) * inner_.width(),
            inner_.bottom() - (d.y() - y_.low) / (y_.high - y_.low) * inner_.height()};
}

QPolygonF PlotArea::map(const QPolygonF& data) const {
    QPolygonF out;
    out.reserve(data.size());
    for (const QPointF& d : data)
        out.append(map(d));
    return out;
}

void PlotArea::paintFrame(QPainter& p, const QString& xTitle, const QString& yTitle) const {
    p.save();
    p.setFont(font_);
    const QFontMetricsF fm(font_);
    p.setPen(QPen(QColor(225, 225, 225), 1));
    for (double v = x_.low; v <= x_.high + x_.step / 2; v += x_.step)
        p.drawLine(map({v, y_.low}), map({v, y_.high}));
    for (double v = y_.low; v <= y_.high + y_.step / 2; v += y_.step)
        p.drawLine(map({x_.low, v}), map({x_.high, v}));
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(inner_);
    for (double v = x_.low; v <= x_.high + x_.step / 2; v += x_.step) {
        const QPointF at = map({v, y_.low});
        const QString text = TickText(v, x_.step, separator_);
        p.drawText(QPointF(at.x() - fm.horizontalAdvance(text) / 2, at.y() + fm.height()), text);
    }
    for (double v = y_.low; v <= y_.high + y_.step / 2; v += y_.step) {
        const QPointF at = map({x_.low, v});
        const QString text = TickText(v, y_.step, separator_);
        p.drawText(QPointF(at.x() - fm.horizontalAdvance(text) - 4, at.y() + fm.ascent() / 2),
                   text);
    }
    p.drawText(QPointF(inner_.center().x() - fm.horizontalAdvance(xTitle) / 2,
                       inner_.bottom() + 2.2 * fm.height()),
               xTitle);
    p.translate(inner_.left() - fm.horizontalAdvance("-0,00000") - fm.height(),
                inner_.center().y() + fm.horizontalAdvance(yTitle) / 2);
    p.rotate(-90);
    p.drawText(QPointF(0, 0), yTitle);
    p.restore();
}

void PlotArea::paintCurve(QPainter& p, const QPolygonF& data, const QPen& pen) const {
    if (data.size() < 2)
        return paintDots(p, data, pen.color(), pen.widthF());
    p.save();
    p.setClipRect(inner_);
    p.setPen(pen);
    p.drawPolyline(map(data));
    p.restore();
}

void PlotArea::paintDots(QPainter& p, const QPolygonF& data, const QColor& colour,
                         qreal radius) const {
    p.save();
    // A point on the frame's edge shows whole.
    p.setClipRect(inner_.adjusted(-radius, -radius, radius, radius));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (const QPointF& d : data)
        p.drawEllipse(map(d), radius, radius);
    p.restore();
}

void PlotArea::paintLine(QPainter& p, double slope, double intercept, const QPen& pen) const {
    p.save();
    p.setClipRect(inner_);
    p.setPen(pen);
    p.drawLine(map({x_.low, slope * x_.low + intercept}),
               map({x_.high, slope * x_.high + intercept}));
    p.restore();
}

} // namespace tarvon
