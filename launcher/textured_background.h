#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace tarvon {

// A window background: a plain colour, covered from the top-left corner by a
// picture at its own size where there is one.
class TexturedBackground : public QWidget {
    Q_OBJECT
public:
    TexturedBackground(const QColor& back, const QPixmap& picture, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor back_;
    QPixmap picture_;
};

} // namespace tarvon
