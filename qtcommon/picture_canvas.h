#pragma once

#include "engine/caja_canvas.h"

#include <QImage>

namespace tarvon {

// Executes the box drawing's commands on a picture, in device pixels: `scale`
// device pixels per pixel of the window. Lines are not anti-aliased, so that
// every face stays one colour bounded by its edges and the flood fills stop
// there.
class PictureCanvas : public CajaCanvas {
public:
    explicit PictureCanvas(QImage& image, double scale = 1) : image_(image), scale_(scale) {}

    void line(TwipPoint from, TwipPoint to, Rgb colour, int width, LineStyle style) override;
    void floodFill(TwipPoint seed, Rgb colour) override;

private:
    QPointF toDevice(TwipPoint p) const;

    QImage& image_;
    double scale_;
};

} // namespace tarvon
