#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace tarvon {

// A window background: a plain colour, covered from the top-left corner by a
// picture where there is one. The picture is drawn at its own size, or
// enlarged (keeping its proportions) on a screen larger than it, so that no
// bare band shows at the right or the bottom.
class TexturedBackground : public QWidget {
    Q_OBJECT
public:
    TexturedBackground(const QColor& back, const QPixmap& picture, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QColor back_;
    QPixmap picture_;
    QPixmap shown_; // picture_ at the size it is drawn
};

} // namespace tarvon
