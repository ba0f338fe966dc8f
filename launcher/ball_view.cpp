#include "launcher/ball_view.h"

#include "launcher/ball_engine.h"
#include "mainwindow/twips.h"

#include <QPainter>

#include <algorithm>
#include <vector>

namespace tarvon {

BallView::BallView(const BallEngine& balls, const QColor& back, QWidget* parent)
    : QWidget(parent), balls_(balls), back_(back) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BallView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    std::vector<const AtomShape*> shapes;
    for (const AtomShape& s : balls_.Cercle.all())
        if (s.visible)
            shapes.push_back(&s);
    std::sort(shapes.begin(), shapes.end(),
              [](const AtomShape* a, const AtomShape* b) { return a->stackKey < b->stackKey; });
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const AtomShape* s : shapes) {
        painter.setPen(QColor(s->border.r, s->border.g, s->border.b));
        painter.setBrush(QColor(s->fill.r, s->fill.g, s->fill.b));
        // The border lies inside the shape's square.
        painter.drawEllipse(
            twipsToPixelsF(s->left, s->top, s->width, s->height).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

} // namespace tarvon
