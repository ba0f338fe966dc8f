#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

namespace assets {

// Font sizes of one variant of a text picture, in pixels.
struct CardFonts {
    int title;
    int subtitle;
    int heading;
    int body;
    int footer;
};

struct CardTexts {
    QString title;
    QString subtitle;
    QString footer; // may be empty
};

// The frame shared by the launcher's text pictures: a pale page, a turquoise title band and a
// footer line. Returns the area left for the body. The launcher puts its "Tancar" button over
// the bottom right corner, so the footer stays clear of it.
QRectF paintInfoCard(QImage& image, const CardTexts& texts, const CardFonts& fonts);

// Page margin in pixels for a picture of this width.
qreal cardMargin(const QImage& image);

} // namespace assets
