#pragma once

#include <QTextDocument>

namespace assets {

// The figures the document sources name in <img src="...">: the energy profile
// ("figura-perfil-energia.png") and the counts against time of "HI"
// ("figura-concentracio-temps.png"), painted at print resolution.
void addDocumentFigures(QTextDocument& document);

} // namespace assets
