#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace assets {

// The labels beside the legend's circles under the box: an element symbol, optionally
// followed by a picture of its ion's charge. The window places the charge's picture a few
// pixels lower than the symbol's; the symbol is painted low in its picture and the charge
// at the top of its own, so the charge reads as a superscript. Each is just as wide as its
// text needs, so that symbol and charge fit between two circles of a narrow screen.
QSize elementSize(const QString& symbol);
void paintElementPicture(QImage& image, const QString& symbol);

QSize chargeSize(const QString& charge);
void paintChargePicture(QImage& image, const QString& charge);

} // namespace assets
