#include "engine/slot_margins.h"

namespace tarvon {

namespace {
SlotMargins uniform(float rho) {
    return {rho, rho, rho, rho, rho};
}
} // namespace

SlotMargins slotMargins(const SimulationState& s, Reaction reaction, int i) {
    switch (reaction) {
    case Reaction::FeO: {
        const float r = s.RadiA[0]; // the O atom
        // The floor is the iron surface.
        return {2 * r, 4 * r, 4 * r, r + 0.7f * s.PasOxid, 2 * r};
    }
    case Reaction::HI:
        return uniform(s.RadiA[i] + s.RadiB[i]);
    case Reaction::NH3:
    case Reaction::HgO:
        return uniform(s.MidaMol[i]);
    case Reaction::None:
        break;
    }
    return {};
}

WallLimits wallLimits(const BoxGeometry& box, const SlotMargins& m) {
    return {box.OrigenX + m.left,
            box.OrigenX + box.CaixaX - m.right,
            box.OrigenY + m.top,
            box.OrigenY + box.CaixaY - m.bottom,
            m.depth,
            box.CaixaZ - m.depth};
}

} // namespace tarvon
