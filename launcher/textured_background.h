#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include <functional>

namespace tarvon {

// A window background: a plain colour, covered from the top-left corner by a
// picture where there is one. The picture comes from `picture`, asked for one
// that covers the widget's area at its device pixel ratio; it is asked for when
// painting, the first time and when the widget has outgrown it or its screen's
// density has changed, and drawn at its own size, never enlarged here.
class TexturedBackground : public QWidget {
    Q_OBJECT
public:
    using Picture = std::function<QPixmap(QSize area, double devicePixelRatio)>;
    TexturedBackground(const QColor& back, Picture picture, QWidget* parent = nullptr);

    const QPixmap& shown() const { return shown_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fetch();

    QColor back_;
    Picture picture_;
    QPixmap shown_;
};

} // namespace tarvon
