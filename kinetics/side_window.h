#pragma once

#include <QWidget>

namespace tarvon {

// Places a window beside the main one as the help window is, at a size of the
// reference screen in twips, kept on the screen it opens on.
void PlaceBesideMain(QWidget& window, float FactorPantalla, float widthTwips, float heightTwips);

// In projector mode a side window's texts are half as large again, as the
// main window's counters and description are; off, they are as designed.
void FollowProjectorMode(QWidget& window, bool on);

// Escape closes a side window, whichever of its controls has the focus.
void CloseOnEscape(QWidget& window);

} // namespace tarvon
