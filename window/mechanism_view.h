#pragma once

#include "window/tarvon_model.h"

namespace tarvon {

// "Desenvolupament de la reacció": rebuilds the box with few particles, four
// times larger, captures on, and the explanation of the mechanism beside it.
// Throws, changing nothing, when no reaction is chosen.
void CineMeca(TarvonModel& m);

// "......Tornar a Reaccions": leaves the view and rebuilds the normal box with
// the particle number and diameter saved on entering.
void CineTornar(TarvonModel& m);

// "Continuar": the products of the captured reaction, then the animation
// runs on. The next timed release waits its whole interval from here: the
// time the picture stood frozen is not animation time.
void cmdContinuar(TarvonModel& m);

} // namespace tarvon
