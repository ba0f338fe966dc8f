#pragma once

#include "engine/mostra_captura.h"
#include "engine/simulation_state.h"

namespace tarvon {

// What the animation step calls into the reactions, data taking and capture
// display. Each does nothing until the part that owns it provides it, except the
// capture display, which the engine owns.
class ReactionHooks {
public:
    virtual ~ReactionHooks() = default;
    // Data rows due at the start of a tick (interval and chronometer rows).
    virtual void rowRule(SimulationState&) {}
    // Reaction rules for slot i; for "HgO" with i = nHg, the next timed release.
    virtual void reaccioXoc(SimulationState&, int /*i*/) {}
    // A collision of slots i and j that does not react.
    virtual void xocMolecules(SimulationState&, int /*i*/, int /*j*/) {}
    // Freezes the picture on a captured group.
    virtual void mostraCaptura(SimulationState& s) { MostraCaptura(s); }
};

} // namespace tarvon
