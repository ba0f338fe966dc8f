#pragma once

#include "window/tarvon_model.h"

namespace tarvon {

// Atoms are drawn at least this wide in projector mode, logical pixels.
inline constexpr double kProjectorAtomDiameter = 8;

// "Finestra › Mode projector": larger atoms and texts, to be read from the
// back of a classroom. The item is checked while the mode is on.
void SetModeProjector(TarvonModel& m, bool on);
void FinProjector(TarvonModel& m);

// The smallest diameter an atom is drawn at, logical pixels; 0 for none.
double MinimumAtomDiameter(const TarvonModel& m);

} // namespace tarvon
