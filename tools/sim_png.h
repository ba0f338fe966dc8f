#pragma once

#include "engine/simulation_state.h"

#include <string>

namespace tarvon {

// Paints Caja as the window shows it in the normal view (back colour, cube,
// shapes in stacking order) and encodes it as a PNG into png. Needs a
// QApplication. False, with the reason in error, when it cannot be encoded.
bool EncodeCajaPng(SimulationState& s, std::string& png, std::string& error);

} // namespace tarvon
