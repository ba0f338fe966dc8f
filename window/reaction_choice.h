#pragma once

#include "window/tarvon_model.h"
#include "reactions/reaction_description.h"

namespace tarvon {

// A command of the Reaccions menu: a fresh reset, the reaction's settings,
// pictures, title and description, the population, then the data taking
// of the kept interval.
void TriaReaccio(TarvonModel& m, const ReactionDescription& r);

// The display and menus of a chosen reaction, after the reset.
void PrepararReaccio(TarvonModel& m);

// The counter boxes txt0 to txt3 the chosen reaction fills are shown, the
// others hidden.
void ShowCounterBoxes(TarvonModel& m);

// The first half of every rebuild: the box sized and drawn, the description
// shown, the particle system cleared.
void BuidarSistemaFinestra(TarvonModel& m);

// Clears the system and builds the population of the chosen reaction again,
// as every number and diameter setting does; a frozen animation runs again.
void Reconstruir(TarvonModel& m);

} // namespace tarvon
