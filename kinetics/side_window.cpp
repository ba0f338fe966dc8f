#include "kinetics/side_window.h"

#include "qtcommon/twips.h"
#include "window/side_window_place.h"

#include <QFont>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>

namespace tarvon {

void PlaceBesideMain(QWidget& window, float s, float widthTwips, float heightTwips) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QRectF area = screen ? QRectF(screen->availableGeometry()) : QRectF(0, 0, 1024, 768);
    const auto t = [](qreal px) { return static_cast<float>(px * kTwipsPerPixel); };
    // The frame takes some room: the client area is asked a little smaller.
    const float frame = 30 * static_cast<float>(kTwipsPerPixel);
    const TwipRect r = SideWindowPlace(
        s, widthTwips, heightTwips,
        {t(area.left()), t(area.top()), t(area.width()) - frame, t(area.height()) - frame});
    const QRect px = twipsToPixels(r.Left, r.Top, r.Width, r.Height);
    window.move(px.topLeft());
    window.resize(px.size());
}

void FollowProjectorMode(QWidget& window, bool on) {
    constexpr const char* kDesignSize = "designPointSize";
    if (!window.property(kDesignSize).isValid())
        window.setProperty(kDesignSize, window.font().pointSizeF());
    const double size = window.property(kDesignSize).toDouble() * (on ? 1.5 : 1.0);
    if (window.font().pointSizeF() == size)
        return;
    QFont font = window.font();
    font.setPointSizeF(size);
    window.setFont(font);
}

void CloseOnEscape(QWidget& window) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, &window, &QWidget::close);
}

} // namespace tarvon
