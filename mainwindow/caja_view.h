#pragma once

#include "engine/caja_shapes.h"
#include "mainwindow/picture_canvas.h"

#include <QColor>
#include <QImage>
#include <QWidget>

namespace tarvon {

// The box picture: its back colour, the persistent picture drawn on it (the
// cube), then the shapes in stacking order. It holds no simulation state; it
// paints the shapes it is given.
class CajaView : public QWidget {
    Q_OBJECT
public:
    CajaView(const CajaShapes& shapes, QWidget* parent = nullptr);

    // Like a picture box, a new back colour erases the persistent picture.
    void setBackColor(const QColor& color);
    QColor backColor() const { return back_; }

    // Erases what was drawn, leaving the back colour.
    void clearPicture();
    // Where drawing commands go; they stay until the picture is cleared.
    CajaCanvas& picture();
    const QImage& pictureImage();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The picture follows the widget's size, keeping what was drawn.
    void fitPicture();

    const CajaShapes& shapes_;
    QColor back_{192, 255, 255};
    QImage picture_;
    PictureCanvas canvas_{picture_};
};

} // namespace tarvon
