#include "qtcommon/control_pantalla.h"

#include "qtcommon/qt_language.h"
#include "qtcommon/twips.h"
#include "qtcommon/widget_colours.h"

#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

namespace tarvon {

namespace {
const QColor kWindowBack(192, 192, 255);
const QColor kTarvonLabelBack(255, 255, 192);
const QColor kLabelText(0, 0, 192);
} // namespace

ControlPantalla::ControlPantalla(Program program, Done done, LayoutExtentAt layoutAt,
                                 QWidget* parent)
    : QWidget(parent), done_(std::move(done)), layoutAt_(std::move(layoutAt)) {
    setWindowTitle(program == Program::Tarvon ? "Tarvon" : "Orvalis");
    setBackColour(this, kWindowBack);

    const QColor labelBack = program == Program::Tarvon ? kTarvonLabelBack : kWindowBack;
    label1_ = makeLabel(Tx(TX("qtcommon", ".............Detectant configuració de pantalla"
                                          ".............................")),
                        600, 2160, labelBack);
    label1_->setObjectName("Label1");
    label2_ = makeLabel(Tx(TX("qtcommon", ".............Calculant el nombre òptim de partícules "
                                          ".............................")),
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

QSize ControlPantalla::clientAreaPixels() const {
    const QScreen* s = screen();
    const QRect available = s ? s->availableGeometry() : rect();
    // The title bar as the window manager draws it, once it has; the style's
    // guess before.
    int title = frameGeometry().height() - geometry().height();
    if (title <= 0)
        title = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    QMenuBar bar;
    bar.addMenu("&Arxiu");
    return {available.width(), available.height() - title - bar.sizeHint().height()};
}

void ControlPantalla::Timer1_Timer() {
    label1_->hide();
    label2_->hide();
    ScreenClass screenClass = ClassifyScreen(maximisedWidthPixels() * kTwipsPerPixel);
    if (layoutAt_) {
        const QSize client = clientAreaPixels();
        screenClass = FitScreen({client.width() * kTwipsPerPixel, client.height() * kTwipsPerPixel},
                                layoutAt_);
    }
    timer1_.stop();
    if (done_)
        done_(screenClass);
}

} // namespace tarvon
