#include "kinetics/order_plot_view.h"

#include "kinetics/plot_area.h"
#include "window/line_colours.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace tarvon {

namespace {

constexpr const char* kAxis[3] = {"N", "ln N", "1/N"};
const QColor kFitLine(200, 30, 30);

NiceAxis AxisOf(const std::vector<double>& v, bool fromZero) {
    if (v.empty())
        return NiceAxisFor(0, 1);
    const auto [low, high] = std::minmax_element(v.begin(), v.end());
    return NiceAxisFor(fromZero ? std::min(0.0, *low) : *low, *high, 4);
}

} // namespace

OrderPlotView::OrderPlotView(int order, QWidget* parent) : QWidget(parent), order_(order) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(220, 160); // short enough to leave the text room on 800 x 600
}

void OrderPlotView::showReport(const OrderReport& r) {
    points_ = r.points[order_];
    separator_ = QChar(r.separator);
    line_.reset();
    if (r.fits)
        line_ = r.fits->fits[order_].line;
    const Rgb c = SpeciesColour(r.column);
    colour_ = QColor(c.r, c.g, c.b);
    update();
}

void OrderPlotView::paintPlot(QPainter& p, const QRectF& rect) const {
    p.fillRect(rect, Qt::white);
    const QFontMetricsF fm(p.font());
    QString title =
        QCoreApplication::translate("kinetics", "Ordre %1: %2").arg(order_).arg(kAxis[order_]);
    if (line_)
        title +=
            QString("   R² = %1").arg(QString::number(line_->r2, 'f', 4).replace('.', separator_));
    p.setPen(Qt::black);
    p.drawText(QPointF(rect.left() + fm.height(), rect.top() + fm.ascent() + 2), title);
    const QRectF plot = rect.adjusted(0, fm.height() + 4, 0, 0);
    const PlotArea area(plot, AxisOf(points_.t, true), AxisOf(points_.y, order_ == 0), p.font(),
                        separator_);
    area.paintFrame(p, QCoreApplication::translate("kinetics", "Temps (s)"), kAxis[order_]);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF dots;
    for (std::size_t i = 0; i < points_.t.size(); ++i)
        dots.append(QPointF(points_.t[i], points_.y[i]));
    area.paintDots(p, dots, colour_, 3);
    if (line_)
        area.paintLine(p, line_->slope, line_->intercept, QPen(kFitLine, 1.5));
    p.setRenderHint(QPainter::Antialiasing, false);
}

void OrderPlotView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintPlot(p, rect());
}

} // namespace tarvon
