#include "assets/fonts.h"

#include <QFontDatabase>

namespace assets {

namespace {

QFont pixelFont(const QString& family, int pixelSize, QFont::Weight weight, bool italic) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setItalic(italic);
    // Antialiased glyphs without hinting keep the widths the same at every size.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

QFont textFont(int pixelSize, QFont::Weight weight, bool italic) {
    return pixelFont(kTextFamily, pixelSize, weight, italic);
}

QFont figureFont(int pixelSize) {
    return pixelFont(kFigureFamily, pixelSize, QFont::Bold, false);
}

QStringList missingFontFamilies(const QStringList& more) {
    QStringList missing;
    for (const QString& family : QStringList{kTextFamily, kFigureFamily} + more) {
        if (!QFontDatabase::hasFamily(family))
            missing << family;
    }
    return missing;
}

} // namespace assets
