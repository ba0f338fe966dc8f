#pragma once

#include "engine/simulation_state.h"
#include "layout/box_colours.h"
#include "engine/caja_picture.h"
#include "window/tarvon_model.h"

namespace tarvon {

// The box of the normal view: Caja's back colour, then the cube drawn into its
// picture with its front strips placed.
void DrawNormalBox(CajaPicture& caja, SimulationState& s, ColorsFonsTable& ColorsFons);

// Sizes the box for the current settings, places Caja and shows it: the cube
// in the normal view, a plain coloured area in the mechanism view.
void MidaCaixaFinestra(TarvonModel& m);

} // namespace tarvon
