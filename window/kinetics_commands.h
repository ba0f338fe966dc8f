#pragma once

#include "window/tarvon_model.h"

namespace tarvon {

// "Experiment nou": the chosen reaction built again with the current
// settings, and the data taking of the current interval started again (the
// chronometer's too). The table taken so far becomes an earlier run. Throws,
// changing nothing, when no reaction is chosen.
void CineExperimentNou(TarvonModel& m);

// "Eines > Volum constant": switches the box between following the particle
// number and keeping the size of the largest one, and rebuilds a shown
// reaction in the new box.
void EinesVolumConstant(TarvonModel& m);

// The kinetics items usable with a reaction shown: the graph and the
// analysis always, a new experiment outside the mechanism view.
void EnableKineticsItems(MenuStates& menus, bool mechanismView);

} // namespace tarvon
