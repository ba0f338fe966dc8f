#include "assets/document_source.h"
#include "assets/paged_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace assets {
namespace {

// Tables, headings and paragraphs in turn: enough of each for lines to fall on every page end.
QString longDocument() {
    QString html;
    for (int i = 0; i < 12; ++i) {
        html += QStringLiteral("<h2>Secció %1 amb un títol</h2>").arg(i);
        html += QStringLiteral("<table border=\"1\">") +
                QStringLiteral("<tr><td>cel·la</td><td>una cel·la amb més text</td></tr>")
                    .repeated(i % 4 + 1) +
                "</table>";
        html += QStringLiteral("<p>Un paràgraf que ocupa unes quantes línies de text. </p>")
                    .repeated(i % 3 + 1);
    }
    return html;
}

TEST(PagedPdf, PagesEndBetweenLinesAndNeverOnAHeading) {
    const auto document = htmlDocument(longDocument(), {});
    document->setTextWidth(300);
    const qreal page = 160;
    const std::vector<qreal> starts = pageStarts(*document, page);
    ASSERT_GE(starts.size(), 5u);
    for (std::size_t p = 1; p < starts.size(); ++p) {
        EXPECT_GT(starts[p], starts[p - 1]);
        EXPECT_LE(starts[p] - starts[p - 1], page);
    }
    struct Line {
        QRectF rect;
        bool heading;
        std::string text;
    };
    std::vector<Line> lines;
    for (QTextBlock b = document->begin(); b.isValid(); b = b.next()) {
        const qreal top = document->documentLayout()->blockBoundingRect(b).top();
        for (int i = 0; i < b.layout()->lineCount(); ++i)
            lines.push_back({b.layout()->lineAt(i).rect().translated(0, top),
                             b.blockFormat().headingLevel() > 0, b.text().toStdString()});
    }
    for (std::size_t p = 1; p < starts.size(); ++p) {
        const Line* last = nullptr;
        for (const Line& l : lines) {
            EXPECT_FALSE(l.rect.top() < starts[p] && l.rect.bottom() > starts[p])
                << "sliced: " << l.text;
            if (l.rect.bottom() <= starts[p] && (!last || l.rect.bottom() > last->rect.bottom()))
                last = &l;
        }
        // A table's top border starts no page on its own, nor its bottom border one.
        for (QTextFrame* table : document->rootFrame()->childFrames()) {
            const QRectF box = document->documentLayout()->frameBoundingRect(table);
            const QTextBlock first = table->firstCursorPosition().block();
            const QTextBlock lastBlock = table->lastCursorPosition().block();
            const qreal firstText = document->documentLayout()->blockBoundingRect(first).top();
            const qreal lastText =
                document->documentLayout()->blockBoundingRect(lastBlock).bottom();
            EXPECT_FALSE(box.top() < starts[p] && starts[p] <= firstText) << "page " << p;
            EXPECT_FALSE(lastText <= starts[p] && starts[p] < box.bottom()) << "page " << p;
        }
        ASSERT_NE(last, nullptr);
        EXPECT_FALSE(last->heading) << "page " << p << " ends on " << last->text;
    }
}

} // namespace
} // namespace assets
