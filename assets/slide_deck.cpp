#include "assets/slide_deck.h"

#include "assets/document_error.h"
#include "assets/document_source.h"
#include "assets/fonts.h"
#include "assets/picture_words.h"
#include "assets/window_colours.h"

#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

namespace assets {

namespace {

// A 16:9 page the size of a presentation program's slide, in millimetres.
constexpr QSizeF kPageMm{254, 142.875};
constexpr qreal kBandMm = 27, kStripeMm = 1.6, kSideMm = 15, kBodyTopGapMm = 9, kBottomMm = 15,
                kFooterMm = 6;
constexpr qreal kTitlePoints = 30, kBodyPoints = 23, kFooterPoints = 9;
const QColor kStripe(235, 95, 0);
const QColor kFooterInk(90, 105, 120);

struct Slide {
    QString title; // HTML, subscripts allowed
    QString body;
};

Slide splitTitle(const QString& source, int number) {
    static const QRegularExpression heading(QStringLiteral("<h1>(.*?)</h1>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = heading.match(source);
    if (!match.hasMatch())
        throw DocumentError("slide " + std::to_string(number) + " has no <h1> title");
    QString body = source;
    body.remove(match.capturedStart(), match.capturedLength());
    return {match.captured(1), body};
}

class SlidePainter {
public:
    SlidePainter(QPdfWriter& writer, const DocumentFigures& figures, QString footer)
        : writer_(writer), figures_(figures), footer_(std::move(footer)) {}

    bool begin() { return painter_.begin(&writer_); }

    void paint(const Slide& slide, int number, int count) {
        const QRectF page(0, 0, writer_.width(), writer_.height());
        paintBand(page, slide.title);
        paintBody(page, slide.body, number);
        paintFooter(page, number, count);
    }

private:
    qreal mm(qreal millimetres) const { return millimetres / 25.4 * writer_.resolution(); }

    std::unique_ptr<QTextDocument> textDocument(const QString& html, qreal points, qreal width) {
        auto document = htmlDocument(QString(), figures_, &writer_);
        QFont font(kTextFamily);
        font.setPointSizeF(points);
        document->setDefaultFont(font);
        // Airier lists than on paper: a slide is read from the back of the room.
        document->setDefaultStyleSheet(document->defaultStyleSheet() +
                                       QStringLiteral("li { margin-bottom: 9px; }"));
        document->setHtml(html);
        document->setTextWidth(width);
        return document;
    }

    void paintBand(const QRectF& page, const QString& title) {
        painter_.fillRect(QRectF(0, 0, page.width(), mm(kBandMm)), kHeadingInk);
        painter_.fillRect(QRectF(0, mm(kBandMm), page.width(), mm(kStripeMm)), kStripe);
        const auto heading = textDocument(
            QStringLiteral("<p style=\"color:white; font-weight:bold;\">%1</p>").arg(title),
            kTitlePoints, page.width() - 2 * mm(kSideMm));
        if (heading->size().height() > mm(kBandMm))
            throw DocumentError("a slide title does not fit its band");
        painter_.save();
        painter_.translate(mm(kSideMm), (mm(kBandMm) - heading->size().height()) / 2);
        heading->drawContents(&painter_);
        painter_.restore();
    }

    void paintBody(const QRectF& page, const QString& body, int number) {
        const qreal top = mm(kBandMm + kStripeMm + kBodyTopGapMm);
        const QRectF room(mm(kSideMm), top, page.width() - 2 * mm(kSideMm),
                          page.height() - top - mm(kBottomMm));
        const auto text = textDocument(body, kBodyPoints, room.width());
        if (text->size().height() > room.height())
            throw DocumentError("slide " + std::to_string(number) + " does not fit its page");
        painter_.save();
        painter_.translate(room.topLeft());
        text->drawContents(&painter_);
        painter_.restore();
    }

    void paintFooter(const QRectF& page, int number, int count) {
        QFont font(kTextFamily);
        font.setPointSizeF(kFooterPoints);
        painter_.setFont(font);
        painter_.setPen(kFooterInk);
        const QRectF footer(mm(kSideMm), page.height() - mm(kFooterMm) - mm(4),
                            page.width() - 2 * mm(kSideMm), mm(4));
        painter_.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, footer_);
        painter_.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                          QStringLiteral("%1 / %2").arg(number).arg(count));
    }

    QPdfWriter& writer_;
    const DocumentFigures& figures_;
    QString footer_;
    QPainter painter_;
};

} // namespace

QStringList slideSources(const QString& deck) {
    QStringList slides = deck.split(kSlideMark);
    slides.removeFirst();
    return slides;
}

namespace {

// The deck's <title>, as the PDF's title.
QString deckTitle(const QString& deck) {
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    return title.match(deck).captured(1).trimmed();
}

} // namespace

void writeSlides(const QString& deck, const QString& path, const DocumentFigures& figures,
                 const tarvon::Language& words) {
    const QStringList sources = slideSources(deck);
    std::vector<Slide> slides;
    for (int i = 0; i < sources.size(); ++i)
        slides.push_back(splitTitle(sources[i], i + 1));

    QPdfWriter writer(path);
    writer.setPageLayout(
        QPageLayout(QPageSize(kPageMm, QPageSize::Millimeter), QPageLayout::Portrait, QMarginsF()));
    writer.setCreator(QStringLiteral("Tarvon"));
    writer.setTitle(deckTitle(deck));
    SlidePainter painter(writer, figures,
                         QStringLiteral("Tarvon · ") +
                             say(words, TX("assets", "Cinètica química")));
    if (!painter.begin())
        throw DocumentError(("cannot write " + path).toStdString());
    for (std::size_t i = 0; i < slides.size(); ++i) {
        if (i > 0)
            writer.newPage();
        painter.paint(slides[i], static_cast<int>(i) + 1, static_cast<int>(slides.size()));
    }
}

} // namespace assets
