#pragma once

#include "layout/window_layout.h"
#include "window/tarvon_model.h"

namespace tarvon {

// What the main window's load does beyond creating its controls: the shape
// elements it starts with, the settings, the layout's values, the speed, and
// the initial state. NPOptim comes from the calibration.
void FormLoad(TarvonModel& m, int NPOptim, const WindowLayout& layout);

// Back to the initial state: no reaction, the calibrated particle number and
// the default diameter, then EstatInicial.
void AccionsInici(TarvonModel& m);

// The display of the initial state: the presentation picture and texts, an
// empty hidden box, no data table, only the always-usable menus.
void EstatInicial(TarvonModel& m);

} // namespace tarvon
