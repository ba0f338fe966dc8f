#pragma once

#include "engine/simulation_state.h"
#include "reactions/reaction_description.h"

// DiamBase, the base particle diameter (150 twips on the reference screen),
// belongs to the window, which scales it by the screen-class factor.

namespace tarvon {

// DistEnllac from the current Diam, and what the reaction makes follow it.
// Without a reaction nothing changes.
void RecalculaDistEnllac(SimulationState& s);

// The settings a reaction choice makes before the particles are rebuilt:
// the reaction, the base diameter and its bond length. FactorDiam goes back to 1
// with the diameter, so that the speed factor and the box match the diameter
// the "Predeterminat" mark shows.
void ChooseReaction(SimulationState& s, const ReactionDescription& r, float DiamBase);

// Diameter factor 1 or 1.5 of the base diameter.
void EinesDiamPre(SimulationState& s, float DiamBase);
void EinesDiam15(SimulationState& s, float DiamBase);

// One per cent larger while below DiamBase x 1.52, or one per cent smaller
// while above DiamBase x 0.96; the bond length is recomputed either way.
void EinesDiamAfAu(SimulationState& s, float DiamBase);
void EinesDiamAfDi(SimulationState& s, float DiamBase);

// The mechanism view's particles: four times the base diameter.
void DiamMecanisme(SimulationState& s, float DiamBase);

} // namespace tarvon
