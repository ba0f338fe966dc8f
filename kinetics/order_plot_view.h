#pragma once

#include "window/order_report.h"

#include <QWidget>

namespace tarvon {

// One order's points against time with their least-squares line.
class OrderPlotView : public QWidget {
    Q_OBJECT
public:
    OrderPlotView(int order, QWidget* parent = nullptr);

    void showReport(const OrderReport& report);
    void paintPlot(QPainter& p, const QRectF& rect) const;
    int points() const { return static_cast<int>(points_.t.size()); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int order_;
    OrderPoints points_;
    std::optional<analysis::LineFit> line_;
    QColor colour_;
    QChar separator_ = ',';
};

} // namespace tarvon
