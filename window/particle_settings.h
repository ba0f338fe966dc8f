#pragma once

#include "window/tarvon_model.h"

namespace tarvon {

// Particle number: the calibrated one, or one particle per side more or fewer
// within sides 8 to 15. Each rebuilds the population.
void EinesNPPre(TarvonModel& m);
void EinesNPA(TarvonModel& m);
void EinesNPD(TarvonModel& m);

// Diameter: factor 1 or 1.5 of the base, or one per cent up or down within
// limits. Each recomputes the bond length and rebuilds.
void EinesDiamPreCommand(TarvonModel& m);
void EinesDiam15Command(TarvonModel& m);
void EinesDiamAfAuCommand(TarvonModel& m);
void EinesDiamAfDiCommand(TarvonModel& m);

// Shows or hides the speed bar; nothing is rebuilt.
void EinesVel(TarvonModel& m);

} // namespace tarvon
