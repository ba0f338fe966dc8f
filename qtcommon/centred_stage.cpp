#include "qtcommon/centred_stage.h"

#include <QEvent>

#include <algorithm>

namespace tarvon {

CentredStage::CentredStage(QWidget* client, QSize layout, bool centred)
    : QWidget(client), layout_(layout), centred_(centred) {
    setObjectName("stage");
    client->installEventFilter(this);
    follow();
}

bool CentredStage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize)
        follow();
    return QWidget::eventFilter(watched, event);
}

void CentredStage::follow() {
    const QSize client = parentWidget()->size();
    if (!centred_) {
        setGeometry(0, 0, client.width(), client.height());
        return;
    }
    // The stage keeps the layout's width, so that what is centred on it is
    // centred on the screen; below the layout it reaches the client's bottom.
    const int left = std::max(0, (client.width() - layout_.width()) / 2);
    const int top = std::max(0, (client.height() - layout_.height()) / 2);
    setGeometry(left, top, layout_.width(), std::max(layout_.height(), client.height() - top));
}

} // namespace tarvon
