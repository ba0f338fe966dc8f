#pragma once

#include "engine/reaction_hooks.h"
#include "window/data_commands.h"
#include "window/tarvon_model.h"

namespace tarvon {

// The window's side of a tick: the data rows of its table, then the
// reaction rules it was given.
class TickHooks : public ReactionHooks {
public:
    TickHooks(TarvonModel& m, ReactionHooks& rules) : m_(m), rules_(rules) {}

    void rowRule(SimulationState&) override { PrendreFiles(m_); }
    void reaccioXoc(SimulationState& s, int i) override { rules_.reaccioXoc(s, i); }
    void xocMolecules(SimulationState& s, int i, int j) override { rules_.xocMolecules(s, i, j); }
    void mostraCaptura(SimulationState& s) override { rules_.mostraCaptura(s); }

private:
    TarvonModel& m_;
    ReactionHooks& rules_;
};

} // namespace tarvon
