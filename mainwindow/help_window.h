#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace tarvon {

// frmAjuda: the help text in a window of its own, beside the main window. The
// text can be read and copied, not changed; Escape closes the window.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(float FactorPantalla);

    QPlainTextEdit* txtAjuda() const { return txtAjuda_; }

    // Shows the window, or brings it forward when it is already shown.
    void showHelp();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPlainTextEdit* txtAjuda_;
};

} // namespace tarvon
