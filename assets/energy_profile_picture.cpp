#include "assets/energy_profile_picture.h"
#include "assets/picture_area.h"

#include "assets/arrows.h"
#include "assets/fitted_text.h"
#include "assets/fonts.h"
#include "assets/formula_line.h"
#include "assets/picture_words.h"
#include "assets/window_colours.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace assets {

namespace {

// The drawing is laid out on a 580 x 560 grid and scaled to the image.
constexpr qreal kGridWidth = 580;

// Levels and places on the grid.
constexpr qreal kAxisX = 70, kAxisY = 500;
constexpr qreal kReactants = 350, kProducts = 430, kSummit = 190;
constexpr qreal kSummitX = 320;
constexpr qreal kActivationX = 130, kEnthalpyX = 510;

const QColor kPanel(250, 255, 255);
const QColor kFrame(150, 205, 215);
const QColor kAxis(45, 65, 85);
const QColor kGuide(125, 160, 175);
const QColor kCurve(20, 110, 160);
const QColor kUnderCurveTop(175, 225, 240, 170);
const QColor kUnderCurveBottom(235, 250, 252, 40);
const QColor kActivation(200, 85, 45);
const QColor kEnthalpy(35, 135, 85);
const QColor kAtom(125, 175, 225);
const QColor kCentralAtom(240, 170, 110);
const QColor kAtomEdge(70, 95, 120);

class ProfilePainter {
public:
    ProfilePainter(QImage& image, const ProfileFonts& fonts, const tarvon::Language& words)
        : p_(&image), fonts_(fonts), words_(words), s_(pictureArea(image).width() / kGridWidth) {
        p_.setRenderHint(QPainter::Antialiasing);
        p_.setRenderHint(QPainter::TextAntialiasing);
    }

    void paint() {
        paintBackground();
        paintUnderCurve();
        paintGuides();
        paintAxes();
        p_.setPen(QPen(kCurve, 3 * s_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(curve());
        paintActivationEnergy();
        paintEnthalpy();
        paintActivatedComplex();
        paintLevelLabels();
    }

private:
    QPointF at(qreal x, qreal y) const { return {x * s_, y * s_}; }
    QRectF box(qreal x, qreal y, qreal w, qreal h) const { return {at(x, y), at(x + w, y + h)}; }

    void label(const QRectF& room, int flags, const QString& text, const QFont& font,
               const QColor& color) {
        p_.setFont(font);
        p_.setPen(color);
        drawFittedText(p_, room, flags, text);
    }

    // Flat for the reactants, smoothly over the hump, flat again for the products.
    QPainterPath curve() const {
        QPainterPath path(at(kAxisX + 10, kReactants));
        path.lineTo(at(190, kReactants));
        path.cubicTo(at(250, kReactants), at(270, kSummit), at(kSummitX, kSummit));
        path.cubicTo(at(370, kSummit), at(390, kProducts), at(450, kProducts));
        path.lineTo(at(535, kProducts));
        return path;
    }

    void paintBackground() {
        p_.fillRect(QRectF(QPointF(0, 0), at(kGridWidth, 560)), kWindowBackground);
        p_.setPen(QPen(kFrame, 1));
        p_.setBrush(kPanel);
        p_.drawRoundedRect(box(14, 58, 552, 488), 10 * s_, 10 * s_);
        label(box(14, 10, 552, 44), Qt::AlignCenter,
              say(words_, TX("assets", "Perfil energètic d'una reacció")),
              textFont(fonts_.title, QFont::Bold), kHeadingInk);
    }

    void paintUnderCurve() {
        QPainterPath area = curve();
        area.lineTo(at(535, kAxisY));
        area.lineTo(at(kAxisX + 10, kAxisY));
        area.closeSubpath();
        QLinearGradient fill(at(0, kSummit), at(0, kAxisY));
        fill.setColorAt(0, kUnderCurveTop);
        fill.setColorAt(1, kUnderCurveBottom);
        p_.setPen(Qt::NoPen);
        p_.setBrush(fill);
        p_.drawPath(area);
    }

    void paintGuides() {
        p_.setPen(QPen(kGuide, 1.2 * s_, Qt::DashLine));
        p_.drawLine(at(kAxisX, kSummit), at(kSummitX, kSummit));
        p_.drawLine(at(kAxisX, kReactants), at(kEnthalpyX + 12, kReactants));
        p_.drawLine(at(kAxisX, kProducts), at(450, kProducts));
    }

    void paintAxes() {
        const ArrowStyle style{kAxis, 1.6 * s_, 10 * s_, 4.5 * s_};
        drawArrow(p_, QLineF(at(kAxisX, kAxisY), at(kAxisX, 80)), style);
        drawArrow(p_, QLineF(at(kAxisX, kAxisY), at(552, kAxisY)), style);
        const QFont font = textFont(fonts_.label, QFont::Bold);
        label(box(kAxisX, kAxisY + 6, 482, 36), Qt::AlignHCenter | Qt::AlignTop,
              say(words_, TX("assets", "Coordenada de reacció")), font, kAxis);
        // Along the y axis, read from bottom to top.
        p_.save();
        p_.translate(at(42, (80 + kAxisY) / 2));
        p_.rotate(-90);
        label(QRectF(at(-210, -14), at(210, 14)), Qt::AlignCenter,
              say(words_, TX("assets", "Energia")), font, kAxis);
        p_.restore();
    }

    void paintActivationEnergy() {
        drawArrow(p_, QLineF(at(kActivationX, kReactants - 1.5), at(kActivationX, kSummit + 1.5)),
                  {kActivation, 2 * s_, 10 * s_, 5 * s_}, true);
        const QFont font = textFont(fonts_.note, QFont::Bold);
        // Between the arrow and the rising curve.
        const QRectF room = box(kActivationX + 8, 222, 100, 90);
        p_.setFont(font);
        p_.setPen(kActivation);
        const QRectF taken = drawFittedText(p_, room, Qt::AlignLeft | Qt::AlignTop,
                                            say(words_, TX("assets", "Energia\nd'activació")));
        const FormulaLine symbol(QStringLiteral("(E_a)"), font);
        const QPointF baseline(room.left(), taken.bottom() + symbol.ascent());
        requireInside(QRectF(baseline.x(), baseline.y() - symbol.ascent(), symbol.width(),
                             symbol.ascent() + symbol.descent()),
                      room, QStringLiteral("(Ea)"));
        symbol.paint(p_, baseline, kActivation);
    }

    void paintEnthalpy() {
        drawArrow(p_, QLineF(at(kEnthalpyX, kReactants + 1), at(kEnthalpyX, kProducts - 1.5)),
                  {kEnthalpy, 2 * s_, 9 * s_, 4.5 * s_});
        label(box(kEnthalpyX - 50, kReactants + 10, 44, kProducts - kReactants - 20),
              Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("ΔH"),
              textFont(fonts_.note, QFont::Bold), kEnthalpy);
    }

    // Two atoms half bound to a third through dashed bonds, above the top of the hump.
    void paintActivatedComplex() {
        const qreal y = 164, r = 8, gap = 31;
        QPen bond(kAtomEdge, 1.6 * s_, Qt::CustomDashLine, Qt::FlatCap);
        bond.setDashPattern({2, 1.5});
        p_.setPen(bond);
        p_.drawLine(at(kSummitX - gap, y), at(kSummitX + gap, y));
        p_.setPen(QPen(kAtomEdge, 1.2 * s_));
        for (const qreal dx : {-gap, gap}) {
            p_.setBrush(kAtom);
            p_.drawEllipse(at(kSummitX + dx, y), r * s_, r * s_);
        }
        p_.setBrush(kCentralAtom);
        p_.drawEllipse(at(kSummitX, y), r * s_, r * s_);
        p_.setPen(Qt::NoPen);
        p_.setBrush(kCurve);
        p_.drawEllipse(at(kSummitX, kSummit), 3.5 * s_, 3.5 * s_);
        label(box(kSummitX - 110, 112, 220, 40), Qt::AlignHCenter | Qt::AlignBottom,
              say(words_, TX("assets", "Complex activat")), textFont(fonts_.label, QFont::Bold),
              kTextInk);
    }

    void paintLevelLabels() {
        const QFont font = textFont(fonts_.label, QFont::Bold);
        label(box(kAxisX + 6, kReactants + 6, 120, 30), Qt::AlignHCenter | Qt::AlignTop,
              say(words_, TX("assets", "Reactius")), font, kTextInk);
        label(box(445, kProducts + 8, 110, 30), Qt::AlignHCenter | Qt::AlignTop,
              say(words_, TX("assets", "Productes")), font, kTextInk);
    }

    QPainter p_;
    ProfileFonts fonts_;
    const tarvon::Language& words_;
    qreal s_;
};

} // namespace

void paintEnergyProfilePicture(QImage& image, const ProfileFonts& fonts,
                               const tarvon::Language& words) {
    ProfilePainter(image, fonts, words).paint();
}

} // namespace assets
