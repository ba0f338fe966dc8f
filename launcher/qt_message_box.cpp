#include "launcher/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace tarvon {

void QtMessageBox::show(const std::string& text, const std::string& detail) {
    const QMessageBox::Icon icon =
        kind_ == Kind::Failure ? QMessageBox::Critical : QMessageBox::Information;
    QMessageBox box(icon, "Orvalis", QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    if (!detail.empty())
        box.setDetailedText(QString::fromStdString(detail));
    box.exec();
}

} // namespace tarvon
