#include "assets/paged_pdf.h"

#include "assets/document_error.h"
#include "assets/document_source.h"
#include "assets/fonts.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextLayout>

#include <algorithm>
#include <vector>

namespace assets {

namespace {

constexpr qreal kMarginMm = 20;
constexpr qreal kFooterGapMm = 8; // from the text's bottom edge to the footer's baseline
const QColor kFooterInk(90, 105, 120);

qreal toDevice(qreal mm, const QPdfWriter& writer) {
    return mm / 25.4 * writer.resolution();
}

void paintFooter(QPainter& painter, const QRectF& text, const QString& title, int page, int pages) {
    QFont font(kTextFamily);
    font.setPointSizeF(8.5);
    painter.setFont(font);
    painter.setPen(kFooterInk);
    const qreal lineGap = painter.fontMetrics().height() * 0.6;
    painter.drawLine(QPointF(text.left(), text.bottom() + lineGap),
                     QPointF(text.right(), text.bottom() + lineGap));
    const QRectF footer(text.left(), text.bottom() + 2 * lineGap, text.width(),
                        painter.fontMetrics().height());
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Tarvon · ") + title);
    painter.drawText(footer, Qt::AlignRight | Qt::AlignTop,
                     QStringLiteral("%1 / %2").arg(page).arg(pages));
}

struct Line {
    qreal top;
    qreal bottom;
    bool heading; // kept on the page of the text it heads
};

// A table's top border goes with its first line and its bottom border with
// its last, so neither is left alone at the foot or the head of a page.
void keepBordersWithRows(const QTextDocument& document, QTextFrame* frame, std::vector<Line>& lines,
                         std::size_t first) {
    if (lines.size() == first)
        return;
    const QRectF box = document.documentLayout()->frameBoundingRect(frame);
    qreal firstBottom = lines[first].bottom, lastTop = lines[first].top;
    for (std::size_t i = first; i < lines.size(); ++i) {
        firstBottom = std::min(firstBottom, lines[i].bottom);
        lastTop = std::max(lastTop, lines[i].top);
    }
    lines.push_back({box.top(), firstBottom, false});
    lines.push_back({lastTop, box.bottom(), false});
}

void collectLines(const QTextDocument& document, QTextFrame* frame, std::vector<Line>& lines);

// Every line of the laid-out text, table cells included.
void collectLines(const QTextDocument& document, QTextFrame* frame, std::vector<Line>& lines) {
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* child = it.currentFrame()) {
            const std::size_t first = lines.size();
            collectLines(document, child, lines);
            keepBordersWithRows(document, child, lines, first);
            continue;
        }
        const QTextBlock block = it.currentBlock();
        const qreal top = document.documentLayout()->blockBoundingRect(block).top();
        const bool heading = block.blockFormat().headingLevel() > 0;
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QRectF line = layout->lineAt(i).rect();
            lines.push_back({top + line.top(), top + line.bottom(), heading});
        }
    }
}

// The end of a page that starts at `start`: above the first line it would
// cut, and above a heading that would end it.
qreal pageEnd(const std::vector<Line>& lines, qreal start, qreal pageHeight) {
    qreal cut = start + pageHeight;
    for (bool moved = true; moved;) {
        moved = false;
        for (const Line& l : lines)
            if (l.top > start && l.top < cut && l.bottom > cut) {
                cut = l.top;
                moved = true;
            }
    }
    for (;;) {
        const Line* last = nullptr;
        for (const Line& l : lines)
            if (l.bottom <= cut && (!last || l.bottom > last->bottom))
                last = &l;
        if (!last || !last->heading || last->top <= start)
            return cut;
        cut = last->top;
    }
}

} // namespace

std::vector<qreal> pageStarts(const QTextDocument& document, qreal pageHeight) {
    std::vector<Line> lines;
    collectLines(document, document.rootFrame(), lines);
    const qreal end = document.size().height();
    std::vector<qreal> starts{0};
    while (starts.back() + pageHeight < end)
        starts.push_back(pageEnd(lines, starts.back(), pageHeight));
    return starts;
}

void writePagedPdf(const QString& html, const QString& path, const DocumentFigures& figures) {
    QPdfWriter writer(path);
    // No printer margins: the page is painted whole, the margins are kept here.
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setCreator(QStringLiteral("Tarvon"));

    const std::unique_ptr<QTextDocument> document = htmlDocument(html, figures, &writer);
    const QString title = document->metaInformation(QTextDocument::DocumentTitle);
    writer.setTitle(title);
    const qreal margin = toDevice(kMarginMm, writer);
    const QRectF text(margin, margin, writer.width() - 2 * margin,
                      writer.height() - 2 * margin - toDevice(kFooterGapMm, writer));
    // One long column, cut into pages between lines here.
    document->setTextWidth(text.width());
    const std::vector<qreal> starts = pageStarts(*document, text.height());

    QPainter painter;
    if (!painter.begin(&writer))
        throw DocumentError(("cannot write " + path).toStdString());
    const int pages = static_cast<int>(starts.size());
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        const qreal top = starts[page];
        const qreal bottom = page + 1 < pages ? starts[page + 1] : top + text.height();
        painter.save();
        painter.translate(text.left(), text.top() - top);
        document->drawContents(&painter, QRectF(0, top, text.width(), bottom - top));
        painter.restore();
        paintFooter(painter, text, title, page + 1, pages);
    }
    painter.end();
}

} // namespace assets
