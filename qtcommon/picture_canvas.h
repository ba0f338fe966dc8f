#pragma once

#include "engine/caja_canvas.h"

#include <QImage>

namespace tarvon {

// Executes the box drawing's commands on a picture, in pixels. Lines are not
// anti-aliased, so that every face stays one colour bounded by its edges and
// the flood fills stop there.
class PictureCanvas : public CajaCanvas {
public:
    explicit PictureCanvas(QImage& image) : image_(image) {}

    void line(TwipPoint from, TwipPoint to, Rgb colour, int width, LineStyle style) override;
    void floodFill(TwipPoint seed, Rgb colour) override;

private:
    QImage& image_;
};

} // namespace tarvon
