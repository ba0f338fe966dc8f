#pragma once

#include "startup/screen_class.h"
#include "startup/screen_fit.h"

#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;

namespace tarvon {

// The window each program opens first. Its one timer tick classifies the
// screen and hands the result on; the program then shows its next window.
class ControlPantalla : public QWidget {
    Q_OBJECT
public:
    enum class Program { Tarvon, Orvalis3 };
    using Done = std::function<void(const ScreenClass&)>;

    // layoutAt: what the program's layout takes at a factor; without it the
    // screen is classified by width alone.
    ControlPantalla(Program program, Done done, LayoutExtentAt layoutAt = {},
                    QWidget* parent = nullptr);

    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QTimer& Timer1() { return timer1_; }

    // Logical pixels of the width a maximised window gets on this window's
    // screen. Read from the screen, not from the window: without a window
    // manager, or with one that maximises late, the window is not yet as wide.
    int maximisedWidthPixels() const;
    // Logical pixels of a maximised window's client area under its menu bar.
    QSize clientAreaPixels() const;

public slots:
    void Timer1_Timer();

private:
    QLabel* makeLabel(const QString& caption, int left, int top, const QColor& back);

    Done done_;
    LayoutExtentAt layoutAt_;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QTimer timer1_;
};

} // namespace tarvon
