#pragma once

#include <QImage>

namespace assets {

// The launcher window's background: light turquoise water with soft ripples, pale enough for
// the window's blue captions. Always the same picture.
void paintWaterTexture(QImage& image);

} // namespace assets
