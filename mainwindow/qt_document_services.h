#pragma once

#include "mainwindow/document_services.h"

class QWidget;

namespace tarvon {

class QtClipboard final : public Clipboard {
public:
    void setText(const std::string& text) override;
};

// The desktop's default opener for the file's type.
class DesktopOpener final : public DocumentOpener {
public:
    bool open(const std::filesystem::path& file) override;
};

// A message box with the program's title over the given window.
class TarvonMessageBox final : public MessageBox {
public:
    explicit TarvonMessageBox(QWidget* owner) : owner_(owner) {}
    void show(const std::string& text) override;

private:
    QWidget* owner_;
};

// The user's documents folder, or the home folder when the desktop names none.
std::filesystem::path DocumentsFolder();

} // namespace tarvon
