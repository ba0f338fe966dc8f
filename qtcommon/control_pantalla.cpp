#include "qtcommon/control_pantalla.h"

#include "qtcommon/twips.h"
#include "qtcommon/widget_colours.h"

#include <QLabel>
#include <QScreen>

namespace tarvon {

namespace {
const QColor kWindowBack(192, 192, 255);
const QColor kTarvonLabelBack(255, 255, 192);
const QColor kLabelText(0, 0, 192);
} // namespace

ControlPantalla::ControlPantalla(Program program, Done done, QWidget* parent)
    : QWidget(parent), done_(std::move(done)) {
    setWindowTitle(program == Program::Tarvon ? "Tarvon" : "Orvalis");
    setBackColour(this, kWindowBack);

    const QColor labelBack = program == Program::Tarvon ? kTarvonLabelBack : kWindowBack;
    label1_ =
        makeLabel(".............Detectant configuració de pantalla.............................",
                  600, 2160, labelBack);
    label1_->setObjectName("Label1");
    label2_ = makeLabel(".............Calculant el nombre òptim de partícules "
                        ".............................",
                        1080, 2640, labelBack);
    label2_->setObjectName("Label2");

    timer1_.setInterval(1);
    timer1_.setSingleShot(true);
    connect(&timer1_, &QTimer::timeout, this, &ControlPantalla::Timer1_Timer);
    timer1_.start();
}

QLabel* ControlPantalla::makeLabel(const QString& caption, int left, int top, const QColor& back) {
    auto* label = new QLabel(caption, this);
    QFont font = label->font();
    font.setPointSizeF(13.5);
    font.setItalic(true);
    label->setFont(font);
    setLabelColours(label, back, kLabelText);
    label->adjustSize();
    label->move(twipsToPixels(left, top, 0, 0).topLeft());
    label->hide();
    return label;
}

int ControlPantalla::maximisedWidthPixels() const {
    const QScreen* s = screen();
    return s ? s->availableGeometry().width() : width();
}

void ControlPantalla::Timer1_Timer() {
    label1_->hide();
    label2_->hide();
    const ScreenClass screenClass = ClassifyScreen(maximisedWidthPixels() * kTwipsPerPixel);
    timer1_.stop();
    if (done_)
        done_(screenClass);
}

} // namespace tarvon
