#pragma once

#include <QTextDocument>

namespace assets {

// Serif body text and sans-serif headings in the windows' dark blue; menu references in bold.
inline const QString kBodyFamily = QStringLiteral("Liberation Serif");

void applyDocumentStyle(QTextDocument& document);

} // namespace assets
