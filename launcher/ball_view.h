#pragma once

#include <QColor>
#include <QWidget>

namespace tarvon {

class BallEngine;

// The box picture Caja of the calibration and launcher windows: its back
// colour, then the visible ball shapes in stacking order.
class BallView : public QWidget {
    Q_OBJECT
public:
    BallView(const BallEngine& balls, const QColor& back, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const BallEngine& balls_;
    QColor back_;
};

} // namespace tarvon
