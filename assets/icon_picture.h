#pragma once

#include <QImage>
#include <QPainter>

namespace assets {

// The programs' icon: particles in the simulation's box on a blue tile, drawn in a square of
// kIconUnits units, so the same strokes give the scalable file and each pixel size.
inline constexpr int kIconUnits = 256;

void paintIcon(QPainter& p);

// The icon at `pixels` × `pixels`, on a transparent background.
QImage renderIcon(int pixels);

} // namespace assets
