#pragma once

#include <QColor>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>
#include <QString>

namespace tarvon {

// An axis rounded out to steps of 1, 2 or 5 times a power of ten.
struct NiceAxis {
    double low = 0;
    double high = 1;
    double step = 1;
};
NiceAxis NiceAxisFor(double low, double high, int wantedSteps = 5);

// A tick label: as short as the step allows, with the given decimal separator.
QString TickText(double value, double step, QChar separator);

// A graph's frame inside a rectangle of a widget or an image, and the data
// drawn into it in data coordinates.
class PlotArea {
public:
    PlotArea(const QRectF& rect, NiceAxis x, NiceAxis y, const QFont& font, QChar separator);

    QRectF inner() const { return inner_; }
    QPointF map(QPointF data) const;
    QPolygonF map(const QPolygonF& data) const;

    // Grid, tick labels and axis titles.
    void paintFrame(QPainter& p, const QString& xTitle, const QString& yTitle) const;
    void paintCurve(QPainter& p, const QPolygonF& data, const QPen& pen) const;
    void paintDots(QPainter& p, const QPolygonF& data, const QColor& colour, qreal radius) const;
    // y = slope·x + intercept across the x axis, clipped to the frame.
    void paintLine(QPainter& p, double slope, double intercept, const QPen& pen) const;

private:
    QRectF inner_;
    NiceAxis x_, y_;
    QFont font_;
    QChar separator_;
};

} // namespace tarvon
