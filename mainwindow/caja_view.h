#pragma once

#include "engine/caja_shapes.h"

#include <QColor>
#include <QWidget>

namespace tarvon {

// The box picture: its back colour, then the shapes in stacking order.
// It holds no simulation state; it paints the shapes it is given.
class CajaView : public QWidget {
    Q_OBJECT
public:
    CajaView(const CajaShapes& shapes, QWidget* parent = nullptr);

    void setBackColor(const QColor& color);
    QColor backColor() const { return back_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CajaShapes& shapes_;
    QColor back_{192, 255, 255};
};

} // namespace tarvon
