#pragma once

#include "engine/simulation_state.h"
#include "engine/slot_margins.h"
#include "engine/tick_context.h"

#include <string>

namespace tarvon {

// What the animation step asks of a reaction.
struct SlotRule {
    // The tick after its data rows: the timed events, the collisions, walls,
    // motion and drawing of every slot it moves, and a capture shown.
    void (*tick)(TickContext&);
    // Whether the tick moves slot i (a lattice site never moves).
    bool (*moves)(const SimulationState&, int i);
    // How far the wall step keeps slot i's centre from the walls.
    SlotMargins (*margins)(const SimulationState&, int i);
};

// How the mechanism view shows a reaction's captured group and goes on.
struct CaptureRule {
    // Redraws the group when the capture is shown; null where the reaction's
    // own tick highlights it.
    void (*show)(SimulationState&);
    // "Continuar": the group as the reaction left it, in its normal appearance.
    void (*resume)(SimulationState&);
};

// What the engine asks of the chosen reaction; its description holds one.
struct ReactionTick {
    const char* key; // for messages
    SlotRule slotRule;
    CaptureRule capture;
    // The species totals it conserves after every tick: the first violation,
    // or "".
    std::string (*speciesBalance)(const SimulationState&);
};

} // namespace tarvon
