#include "mainwindow/help_window.h"

#include "mainwindow/help_text.h"
#include "mainwindow/twips.h"
#include "mainwindow/widget_colours.h"

#include <QPlainTextEdit>

namespace tarvon {

HelpWindow::HelpWindow(float FactorPantalla)
    : QWidget(nullptr), txtAjuda_(new QPlainTextEdit(this)) {
    setWindowTitle("Ajuda");
    const AjudaPlacement p = PlacementAjuda(FactorPantalla);
    // The twips include the frame; the text box is the client area.
    move(twipsToPixels(p.Left, p.Top, 0, 0).topLeft());
    const QRect text = twipsToPixels(0, 0, p.TextWidth, p.TextHeight);
    resize(text.size());
    txtAjuda_->setGeometry(text);
    QFont font("Liberation Sans"); // Arial's metric twin
    font.setPointSizeF(p.FontSize);
    txtAjuda_->setFont(font);
    setColour(txtAjuda_, QPalette::Base, QColor(250, 235, 255));
    txtAjuda_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtAjuda_->setPlainText(QString::fromStdString(TextAjuda()).replace("\r\n", "\n"));
}

void HelpWindow::showHelp() {
    show();
    raise();
    activateWindow();
}

} // namespace tarvon
