#pragma once

#include "assets/document_figures.h"
#include "texts/language.h"

#include <QStringList>

namespace assets {

// The mark that starts each slide in a deck's source; each slide then opens with its <h1>.
inline const QString kSlideMark = QStringLiteral("<!-- diapositiva -->");

// The slides' sources, in order; what comes before the first mark (the head) is not a slide.
QStringList slideSources(const QString& deck);

// Writes the deck as a 16:9 landscape PDF, one page per slide: the title in a band across the
// top, the rest in large type below. Throws DocumentError when a slide has no title or does
// not fit its page, or when the file cannot be written. The PDF's title is the deck's <title>;
// the footer's words are in `words`.
void writeSlides(const QString& deck, const QString& path, const DocumentFigures& figures = {},
                 const tarvon::Language& words = tarvon::Catala());

} // namespace assets
