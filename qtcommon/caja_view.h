#pragma once

#include "engine/caja_picture.h"
#include "engine/caja_shapes.h"
#include "qtcommon/box_painter.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

namespace tarvon {

class FrameThrottle;

// The box picture: its back colour, the persistent picture drawn on it (the
// cube), then the shapes in stacking order. It holds no simulation state; it
// paints the shapes it is given. Everything is drawn at the device pixel
// ratio of the screen it is shown on.
class CajaView : public QWidget, public CajaPicture {
    Q_OBJECT
public:
    CajaView(const CajaShapes& shapes, QWidget* parent = nullptr);
    ~CajaView() override;

    void setBackColour(Rgb colour) override { setBackColor(QColor(colour.r, colour.g, colour.b)); }
    void clear() override { clearPicture(); }
    void place(float left, float top, float width, float height) override;
    void line(TwipPoint from, TwipPoint to, Rgb colour, int width, LineStyle style) override;
    void floodFill(TwipPoint seed, Rgb colour) override;

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
    // The persistent picture, in device pixels.
    const QImage& pictureImage();

    // The shapes have moved: the box is painted again at the next frame of
    // the screen, however often this is called before it.
    void requestFrame();

    BoxPainter& painter() { return painter_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // One drawing command, kept so that the picture can be drawn again at
    // another device pixel ratio.
    struct Command {
        bool fill;
        TwipPoint from, to; // a fill's seed is `from`
        Rgb colour;
        int width;
    };

    // The picture follows the widget's size, keeping what was drawn, and the
    // device pixel ratio, drawn again.
    void fitPicture(double scale);
    void draw(const Command& c);
    void changed();

    const CajaShapes& shapes_;
    double minimumAtom_ = 0;
    QColor back_{192, 255, 255};
    QImage picture_;
    double scale_ = 1; // device pixels per pixel of picture_
    std::uint64_t revision_ = 1;
    std::vector<Command> commands_;
    BoxPainter painter_;
    FrameThrottle* throttle_;
};

} // namespace tarvon
