#include "assets/paged_pdf.h"

#include "assets/document_error.h"
#include "assets/document_source.h"
#include "assets/fonts.h"

#include <QPainter>
#include <QPdfWriter>

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

} // namespace

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
    document->setPageSize(text.size());

    QPainter painter;
    if (!painter.begin(&writer))
        throw DocumentError(("cannot write " + path).toStdString());
    const int pages = document->pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        painter.save();
        painter.translate(text.left(), text.top() - page * text.height());
        document->drawContents(&painter, QRectF(QPointF(0, page * text.height()), text.size()));
        painter.restore();
        paintFooter(painter, text, title, page + 1, pages);
    }
    painter.end();
}

} // namespace assets
