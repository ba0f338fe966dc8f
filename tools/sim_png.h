#pragma once

#include "engine/simulation_state.h"

#include <string>

namespace tarvon {

// Paints Caja as the window shows it in the normal view (back colour, cube,
// shapes in stacking order) and saves it as a PNG. Needs a QApplication.
// False, with the reason in error, when the file cannot be written.
bool WriteCajaPng(SimulationState& s, const std::string& path, std::string& error);

} // namespace tarvon
