#include "launcher/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace tarvon {

void QtMessageBox::show(const std::string& text) {
    QMessageBox::critical(QApplication::activeWindow(), "Orvalis", QString::fromStdString(text));
}

} // namespace tarvon
