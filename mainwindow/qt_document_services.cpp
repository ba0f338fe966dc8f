#include "mainwindow/qt_document_services.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <memory>
#include <system_error>

namespace tarvon {

void QtClipboard::setText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(text));
}

DesktopOpener::DesktopOpener(QStringList command) : command_(std::move(command)) {}

QStringList DesktopOpener::DesktopOpenerCommand() {
#if defined(Q_OS_MACOS)
    return {"open"};
#elif defined(Q_OS_UNIX)
    return {"xdg-open"};
#else
    return {};
#endif
}

void DesktopOpener::open(const std::filesystem::path& file, Failed failed) {
    std::error_code ignored;
    const QString path = QString::fromStdString(std::filesystem::absolute(file, ignored).string());
    if (command_.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            failed(QCoreApplication::translate("mainwindow",
                                               "el sistema no té cap aplicació que l'obri")
                       .toStdString());
        return;
    }
    // No parent: deleting a running QProcess kills it, and xdg-open may wait
    // for the viewer it started. It deletes itself when it ends.
    auto* process = new QProcess;
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    auto tell = std::make_shared<Failed>(std::move(failed));
    const QString program = command_.front();
    QObject::connect(
        process, &QProcess::finished, &watcher_,
        [tell, program](int code, QProcess::ExitStatus status) {
            if (status != QProcess::NormalExit)
                (*tell)(QCoreApplication::translate("mainwindow", "%1 s'ha aturat abans d'acabar")
                            .arg(program)
                            .toStdString());
            else if (code != 0)
                (*tell)(QCoreApplication::translate("mainwindow", "%1 ha acabat amb el codi %2")
                            .arg(program)
                            .arg(code)
                            .toStdString());
        });
    QObject::connect(process, &QProcess::errorOccurred, &watcher_,
                     [tell, process, program](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) // no finished() then
                             (*tell)((program + ": " + process->errorString()).toStdString());
                     });
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             process->deleteLater();
                     });
    process->start(command_.front(), command_.mid(1) << path);
}

void TarvonMessageBox::show(const std::string& text, const std::string& detail) {
    QMessageBox box(QMessageBox::Information, "Tarvon", QString::fromStdString(text),
                    QMessageBox::Ok, owner_);
    if (!detail.empty())
        box.setDetailedText(QString::fromStdString(detail));
    box.exec();
}

std::filesystem::path DocumentsFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return folder.toStdString();
}

} // namespace tarvon
