#include "mainwindow/qt_document_services.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

#include <system_error>

namespace tarvon {

void QtClipboard::setText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(text));
}

bool DesktopOpener::open(const std::filesystem::path& file) {
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(file, ignored);
    const QString path = QString::fromStdString(absolute.string());
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void TarvonMessageBox::show(const std::string& text) {
    QMessageBox::information(owner_, "Tarvon", QString::fromStdString(text));
}

std::filesystem::path DocumentsFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return folder.toStdString();
}

} // namespace tarvon
