#include "launcher/ball_view.h"

#include "launcher_rules/ball_engine.h"
#include "qtcommon/caja_painter.h"

#include <QPainter>

namespace tarvon {

BallView::BallView(const BallEngine& balls, const QColor& back, QWidget* parent)
    : QWidget(parent), balls_(balls), back_(back) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BallView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    paintShapes(painter, PaintOrder({&balls_.Cercle}));
}

} // namespace tarvon
