#include "assets/document_style.h"

namespace assets {

namespace {

// Sizes in points: they print the same whatever the resolution of the page.
const char* const kStyleSheet = R"(
h1 { font-family: 'Liberation Sans'; font-size: 20pt; font-weight: bold; color: #0b4f8a;
     margin-top: 0px; margin-bottom: 10px; }
h2 { font-family: 'Liberation Sans'; font-size: 14pt; font-weight: bold; color: #0b4f8a;
     margin-top: 16px; margin-bottom: 6px; }
h3 { font-family: 'Liberation Sans'; font-size: 12pt; font-weight: bold; color: #1d6fa5;
     margin-top: 10px; margin-bottom: 4px; }
p { margin-top: 0px; margin-bottom: 7px; }
li { margin-bottom: 3px; }
th { font-family: 'Liberation Sans'; font-weight: bold; }
.nota { background-color: #eef6fb; }
.peu { font-size: 9pt; color: #4a5a6a; }
.menu { font-weight: bold; }
)";

} // namespace

void applyDocumentStyle(QTextDocument& document) {
    QFont body(kBodyFamily);
    body.setPointSizeF(11.5);
    document.setDefaultFont(body);
    document.setDefaultStyleSheet(QString::fromLatin1(kStyleSheet));
    document.setDocumentMargin(0);
    // The same widths on the page as on the screen the layout was tried on.
    document.setUseDesignMetrics(true);
}

} // namespace assets
