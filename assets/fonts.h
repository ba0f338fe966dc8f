#pragma once

#include <QFont>
#include <QStringList>

namespace assets {

// Arial's metric twin, as in the programs' own windows; installed by scripts/common.sh.
inline const QString kTextFamily = QStringLiteral("Liberation Sans");
// Its wider glyphs read better in small numbered bullets.
inline const QString kFigureFamily = QStringLiteral("DejaVu Sans");

QFont textFont(int pixelSize, QFont::Weight weight = QFont::Normal, bool italic = false);
QFont figureFont(int pixelSize);

// Families the pictures use, and any `more`, that this machine lacks: Qt would silently
// substitute them.
QStringList missingFontFamilies(const QStringList& more = {});

} // namespace assets
