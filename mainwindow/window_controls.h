#pragma once

#include "engine/caja_shapes.h"
#include "layout/window_layout.h"

#include <QString>
#include <array>
#include <map>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QWidget;

namespace tarvon {

class CajaView;
class CircleWidget;
class DataTableView;

// The main window's controls, named as the window names them.
struct TarvonControls {
    CajaView* Caja = nullptr;
    std::array<CircleWidget*, 10> CercleAux{};
    QLabel* picPortada = nullptr;
    std::array<QLabel*, 2> picRI{};
    std::array<QLabel*, 10> picIo{};
    std::array<QLabel*, 7> lblTipus{};
    QLabel* lblDS1 = nullptr;
    QLabel* lblDS2 = nullptr;
    QLabel* lblPropietats = nullptr;
    std::array<QLineEdit*, 5> txt{};
    DataTableView* txtDades = nullptr;
    QPushButton* cmdContinuar = nullptr;
    QScrollBar* VScrollVel = nullptr;
    QLabel* lblVelocitat = nullptr;
    QFrame* picCrono = nullptr;
    QLabel* lblTempus = nullptr;
    QLabel* lblMinSeg = nullptr;
    QLabel* lblMinuts = nullptr;
    QLabel* lblSegons = nullptr;
    QLabel* lblCent = nullptr;
    QPushButton* cmdIniciCrono = nullptr;
    QPushButton* cmdTancarCrono = nullptr;

    // Every control the layout places, by its layout name.
    std::map<QString, QWidget*> byName;
};

// Creates the controls on the window's client area, hidden where the initial
// state hides them.
TarvonControls CreateControls(QWidget* client, const CajaShapes& shapes);

// Positions, sizes and fonts of a screen class. Picture controls keep their
// picture's size.
void ApplyLayout(TarvonControls& c, const WindowLayout& layout);

// The layout's font size of a control, kept as a property of it.
inline constexpr char kLayoutPointSize[] = "layoutPointSize";
// The smallest size its text may shrink to; 70 % of the layout's without it.
inline constexpr char kLeastPointSize[] = "leastPointSize";

// A word-wrapped label whose text does not fit its height at the layout's
// font size gets a slightly smaller font.
void FitTextToHeight(QLabel* label);

} // namespace tarvon
