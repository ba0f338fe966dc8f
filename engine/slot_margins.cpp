#include "engine/slot_margins.h"

#include "engine/reaction_tick.h"

namespace tarvon {

WallLimits wallLimits(const BoxGeometry& box, const SlotMargins& m) {
    return {box.OrigenX + m.left,
            box.OrigenX + box.CaixaX - m.right,
            box.OrigenY + m.top,
            box.OrigenY + box.CaixaY - m.bottom,
            m.depth,
            box.CaixaZ - m.depth};
}

WallLimits SlotLimits(const SimulationState& s, int i) {
    return wallLimits(s, s.Regles->slotRule.margins(s, i));
}

} // namespace tarvon
