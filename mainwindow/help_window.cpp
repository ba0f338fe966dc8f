#include "mainwindow/help_window.h"

#include "qtcommon/qt_language.h"
#include "qtcommon/twips.h"
#include "qtcommon/widget_colours.h"
#include "window/help_text.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>

namespace tarvon {

HelpWindow::HelpWindow(float FactorPantalla)
    : QWidget(nullptr), txtAjuda_(new QPlainTextEdit(this)) {
    setWindowTitle(QCoreApplication::translate("mainwindow", "Ajuda"));
    // Within the screen's free area, title bar included.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect free = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const AjudaPlacement p =
        FitAjuda(PlacementAjuda(FactorPantalla), static_cast<float>(free.width() * kTwipsPerPixel),
                 static_cast<float>((free.height() - title) * kTwipsPerPixel));
    // The twips include the frame; the text box is the client area.
    move(free.topLeft() + twipsToPixels(p.Left, p.Top, 0, 0).topLeft());
    const QRect text = twipsToPixels(0, 0, p.TextWidth, p.TextHeight);
    resize(text.size());
    txtAjuda_->setGeometry(text);
    QFont font("Liberation Sans"); // Arial's metric twin
    font.setPointSizeF(p.FontSize);
    txtAjuda_->setFont(font);
    setColour(txtAjuda_, QPalette::Base, QColor(250, 235, 255));
    txtAjuda_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtAjuda_->setReadOnly(true);
    // A caret to read along with the keys and to select text to copy.
    txtAjuda_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtAjuda_->setPlainText(QString::fromStdString(TextAjuda(Traduit())).replace("\r\n", "\n"));
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // The text box passes on the keys it does not use.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void HelpWindow::showHelp() {
    show();
    raise();
    activateWindow();
}

} // namespace tarvon
