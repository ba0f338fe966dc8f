#pragma once

#include "engine/caja_picture.h"
#include "engine/caja_shapes.h"
#include "qtcommon/picture_canvas.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>

namespace tarvon {

// The box picture: its back colour, the persistent picture drawn on it (the
// cube), then the shapes in stacking order. It holds no simulation state; it
// paints the shapes it is given.
class CajaView : public QWidget, public CajaPicture {
    Q_OBJECT
public:
    CajaView(const CajaShapes& shapes, QWidget* parent = nullptr);

    void setBackColour(Rgb colour) override { setBackColor(QColor(colour.r, colour.g, colour.b)); }
    void clear() override { clearPicture(); }
    void place(float left, float top, float width, float height) override;
    void line(TwipPoint from, TwipPoint to, Rgb colour, int width, LineStyle style) override {
        picture().line(from, to, colour, width, style);
    }
    void floodFill(TwipPoint seed, Rgb colour) override { picture().floodFill(seed, colour); }

    // Like a picture box, a new back colour erases the persistent picture.
    void setBackColor(const QColor& color);
    QColor backColor() const { return back_; }

    // Called with the point, in twips, where a mouse button went down.
    std::function<void(float x, float y)> onMouseDown;

    // Atoms narrower than this are drawn this wide about their centre, in
    // logical pixels; 0 draws every atom at its own size.
    void setMinimumAtomDiameter(double dip);
    double minimumAtomDiameter() const { return minimumAtom_; }

    // Erases what was drawn, leaving the back colour.
    void clearPicture();
    // Where drawing commands go; they stay until the picture is cleared.
    CajaCanvas& picture();
    const QImage& pictureImage();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The picture follows the widget's size, keeping what was drawn.
    void fitPicture();

    const CajaShapes& shapes_;
    double minimumAtom_ = 0;
    QColor back_{192, 255, 255};
    QImage picture_;
    PictureCanvas canvas_{picture_};
};

} // namespace tarvon
