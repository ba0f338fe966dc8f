#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>

#include <vector>

namespace assets {

// Axis limits rounded out to steps of 1, 2 or 5 times a power of ten.
struct AxisScale {
    double low = 0;
    double high = 1;
    double step = 1;
};
AxisScale niceScale(double low, double high, int wantedSteps = 5);

// A graph's frame in an image: grid, tick labels, axis titles, and the data
// drawn inside it in data coordinates.
class PlotFrame {
public:
    PlotFrame(QPainter& painter, const QRectF& area, AxisScale x, AxisScale y, qreal fontPixels,
              QChar decimal = QLatin1Char(','));

    void paintGrid(const QString& xTitle, const QString& yTitle);
    void paintCurve(const std::vector<QPointF>& points, const QColor& colour, qreal width);
    void paintDots(const std::vector<QPointF>& points, const QColor& colour, qreal radius);
    void paintLine(double slope, double intercept, const QColor& colour, qreal width);
    QRectF inner() const { return inner_; }

private:
    QPointF at(QPointF data) const;
    void paintXTicks();
    void paintYTicks();

    QPainter& p_;
    QRectF inner_;
    AxisScale x_, y_;
    qreal font_;
    QChar decimal_;
};

// A tick label with the document language's decimal separator.
QString tickText(double value, QChar decimal = QLatin1Char(','));

} // namespace assets
