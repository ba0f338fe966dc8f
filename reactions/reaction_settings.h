#pragma once

#include "engine/reaction_key.h"
#include "engine/simulation_state.h"
#include "reactions/reaction_description.h"

#include <optional>

// DiamBase, the base particle diameter (150 twips on the reference screen),
// belongs to the window, which scales it by the screen-class factor.

namespace tarvon {

// Distance between the atom centres of the reaction's molecule for a particle
// diameter; nullopt when no reaction is chosen.
std::optional<float> DistEnllacFor(Reaction r, float diam);

// DistEnllac from the current Diam; for "FeO" also the iron radius RadiA(0).
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

// Particles per side in the mechanism view: 8, 14, 12 and 3 for "FeO", "NH3",
// "HI" and "HgO"; without a reaction the default 9.
int CostatNPMecanisme(Reaction r);

} // namespace tarvon
