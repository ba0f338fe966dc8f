#pragma once

#include <QImage>
#include <QPoint>

namespace tarvon {

// Paints the 4-connected region of the seed pixel's colour with `colour`, row
// span by row span. A seed outside the image does nothing.
void floodFill(QImage& image, QPoint seed, QRgb colour);

} // namespace tarvon
