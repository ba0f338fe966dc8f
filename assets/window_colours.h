#pragma once

#include <QColor>

namespace assets {

// The main window's background: pictures shown on it are painted on this very colour so that
// they blend in.
inline const QColor kWindowBackground(220, 255, 255);

// Dark blue of headings and dark ink of text, shared by the window's pictures.
inline const QColor kHeadingInk(11, 79, 138);
inline const QColor kTextInk(25, 35, 60);

} // namespace assets
