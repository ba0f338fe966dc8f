#pragma once

#include "window/document_services.h"

#include <QObject>
#include <QStringList>

class QWidget;

namespace tarvon {

class QtClipboard final : public Clipboard {
public:
    void setText(const std::string& text) override;
};

// The desktop's opener program ("xdg-open"), started as a process of its own
// whose exit status is watched from the event loop: a status other than 0 is a
// failure. Where the desktop has no such program (empty command), the
// toolkit's own call, whose answer comes at once.
class DesktopOpener final : public DocumentOpener {
public:
    // The program and its first arguments; the file's path comes last.
    explicit DesktopOpener(QStringList command = DesktopOpenerCommand());
    void open(const std::filesystem::path& file, Failed failed) override;

    static QStringList DesktopOpenerCommand();

private:
    QStringList command_;
    // Failures are told only while this opener lives; the openers it started
    // are left running when it goes (they may be showing a document).
    QObject watcher_;
};

// A message box with the program's title over the given window.
class TarvonMessageBox final : public MessageBox {
public:
    explicit TarvonMessageBox(QWidget* owner) : owner_(owner) {}
    void show(const std::string& text, const std::string& detail) override;
    using MessageBox::show;

private:
    QWidget* owner_;
};

// The user's documents folder, or the home folder when the desktop names none.
std::filesystem::path DocumentsFolder();

} // namespace tarvon
