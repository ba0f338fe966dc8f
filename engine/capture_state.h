#pragma once

#include "engine/checked_list.h"

#include <cstdint>

namespace tarvon {

// Snapshot of one captured shape for the mechanism view.
struct CapturedShape {
    float left = 0, top = 0, height = 0, width = 0;
    float fill = 0; // packed colour, kept as a float like the original field
};

struct CaptureState {
    bool MecaDemanat = false;  // the mechanism view was requested
    bool MecaCapturat = false; // a reacting group was captured this tick
    bool MecaMostrat = false;
    bool CapturaEnPantalla = false; // a capture is on show, waiting for "Continuar"
    int heldBackSlot = -1;          // skipped its wall step this tick, held for a capture
    CheckedList<std::int16_t, 4> IdxMeca;
    CheckedList<CapturedShape, 4> FotoMeca;
};

} // namespace tarvon
