#pragma once

#include <QImage>

namespace assets {

// The launcher's pointer over the model title: an arrow with a small flask. Its tip is pixel
// (0, 0), the pointer's hotspot; everything else around it is transparent.
void paintPointerPicture(QImage& image);

} // namespace assets
