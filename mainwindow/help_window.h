#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace tarvon {

// frmAjuda: the help text in a window of its own, beside the main window.
// What the user types in it is not kept.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(float FactorPantalla);

    QPlainTextEdit* txtAjuda() const { return txtAjuda_; }

    // Shows the window, or brings it forward when it is already shown.
    void showHelp();

private:
    QPlainTextEdit* txtAjuda_;
};

} // namespace tarvon
