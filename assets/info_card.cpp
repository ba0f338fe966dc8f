#include "assets/info_card.h"
#include "assets/picture_area.h"

#include "assets/fonts.h"
#include "assets/text_column.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace assets {

namespace {

const QColor kPageTop(252, 254, 255);
const QColor kPageBottom(226, 244, 247);
const QColor kBandLeft(17, 105, 128);
const QColor kBandRight(44, 160, 178);
const QColor kTitle(255, 255, 255);
const QColor kSubtitle(226, 248, 252);
const QColor kRule(111, 184, 196);
const QColor kFooter(52, 98, 110);

// Share of the width and height, from the right and the bottom, that the launcher's
// "Tancar" button may cover.
constexpr qreal kButtonWidthShare = 0.27;
constexpr qreal kFooterHeightShare = 0.075;

void paintPage(QPainter& p, const QRectF& page) {
    QLinearGradient fill(page.topLeft(), page.bottomLeft());
    fill.setColorAt(0, kPageTop);
    fill.setColorAt(1, kPageBottom);
    p.fillRect(page, fill);
    p.setPen(QPen(kRule, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(page.adjusted(0.5, 0.5, -0.5, -0.5));
}

// A few particles drifting off the band's right end: the model's own motif.
void paintBandParticles(QPainter& p, const QRectF& band) {
    struct Particle {
        qreal x, y, r; // shares of the band height, from its right and top
        QColor color;
    };
    const Particle particles[] = {
        {0.55, 0.30, 0.20, QColor(255, 255, 255, 70)},
        {1.05, 0.62, 0.28, QColor(120, 230, 240, 80)},
        {0.35, 0.78, 0.12, QColor(255, 255, 255, 55)},
        {1.60, 0.22, 0.14, QColor(75, 175, 255, 90)},
    };
    const qreal h = band.height();
    p.setPen(Qt::NoPen);
    for (const Particle& q : particles) {
        p.setBrush(q.color);
        p.drawEllipse(QPointF(band.right() - q.x * h, band.top() + q.y * h), q.r * h, q.r * h);
    }
}

qreal textHeight(QPainter& p, const QFont& font, qreal width, const QString& text) {
    p.setFont(font);
    p.setPen(Qt::black); // with no pen, Qt measures the text as empty
    return p.boundingRect(QRectF(0, 0, width, 10000), Qt::TextWordWrap, text).height();
}

// Paints the band and its titles; returns the band's bottom edge.
qreal paintBand(QPainter& p, qreal width, const CardTexts& texts, const CardFonts& fonts,
                qreal margin) {
    const QFont title = textFont(fonts.title, QFont::Bold);
    const QFont subtitle = textFont(fonts.subtitle, QFont::Normal, true);
    const qreal textWidth = width - 2 * margin;
    const qreal gap = std::round(margin * 0.25);
    const qreal height =
        std::round(margin * 0.9 + textHeight(p, title, textWidth, texts.title) + gap +
                   textHeight(p, subtitle, textWidth, texts.subtitle) + margin * 0.8);
    const QRectF band(0, 0, width, height);
    QLinearGradient fill(band.topLeft(), band.topRight());
    fill.setColorAt(0, kBandLeft);
    fill.setColorAt(1, kBandRight);
    p.fillRect(band, fill);
    paintBandParticles(p, band);

    TextColumn column(p, band.adjusted(margin, std::round(margin * 0.9), -margin, 0));
    column.add({texts.title, title, kTitle, 0, gap});
    column.add({texts.subtitle, subtitle, kSubtitle});
    return height;
}

// Paints the footer; returns its top edge.
qreal paintFooter(QPainter& p, const QSize& size, const QString& footer, const CardFonts& fonts,
                  qreal margin) {
    const qreal top = std::round(size.height() * (1 - kFooterHeightShare));
    if (footer.isEmpty())
        return top;
    p.setPen(QPen(kRule, 1));
    p.drawLine(QPointF(margin, top + 0.5), QPointF(size.width() - margin, top + 0.5));
    const qreal right = size.width() * (1 - kButtonWidthShare);
    TextColumn column(p, QRectF(margin, top + std::round(margin * 0.3), right - margin,
                                size.height() - top - margin * 0.3));
    column.add({footer, textFont(fonts.footer, QFont::Normal, true), kFooter});
    return top;
}

} // namespace

qreal cardMargin(const QImage& image) {
    return std::round(pictureArea(image).width() * 0.055);
}

QRectF paintInfoCard(QImage& image, const CardTexts& texts, const CardFonts& fonts) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal margin = cardMargin(image);
    const QRectF area = pictureArea(image);
    paintPage(p, area);
    const qreal bandBottom = paintBand(p, area.width(), texts, fonts, margin);
    const qreal footerTop = paintFooter(p, area.size().toSize(), texts.footer, fonts, margin);
    return QRectF(margin, bandBottom + margin * 0.8, area.width() - 2 * margin,
                  footerTop - bandBottom - margin * 1.1);
}

} // namespace assets
