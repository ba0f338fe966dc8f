#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace tarvon {

// One colour of a control's palette, as a control's BackColor or ForeColor.
inline void setColour(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = w->palette();
    palette.setColor(role, colour);
    w->setPalette(palette);
}

// An opaque control with its own back colour.
inline void setBackColour(QWidget* w, const QColor& back) {
    w->setAutoFillBackground(true);
    setColour(w, QPalette::Window, back);
}

// An opaque label: back colour and text colour.
inline void setLabelColours(QWidget* w, const QColor& back, const QColor& text) {
    setBackColour(w, back);
    setColour(w, QPalette::WindowText, text);
}

} // namespace tarvon
