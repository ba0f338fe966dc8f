#include "engine/tick_invariants.h"

#include "engine/reaction_key.h"

namespace tarvon {

namespace {

bool countOk(int n) {
    return n >= 0 && n <= kListSize;
}

// Slots the tick moves: the same rule as the tick's own.
bool moving(const SimulationState& s, Reaction reaction, int i) {
    if (s.EnSolid[i])
        return false;
    switch (reaction) {
    case Reaction::FeO:
    case Reaction::NH3:
        return s.TaulaMol.inPlay(i);
    case Reaction::HI:
    case Reaction::HgO:
        return true;
    case Reaction::None:
        break;
    }
    return false;
}

bool inside(float v, float lo, float hi) {
    return v >= lo && v <= hi;
}

} // namespace

std::string TickInvariantViolation(const SimulationState& s) {
    if (!countOk(s.NombreMol) || !countOk(s.NumA) || !countOk(s.NumB))
        return "a count lies outside its list";
    const Reaction reaction = reactionFromKey(s.Reaccio);
    for (int i = 0; i < s.NombreMol; ++i) {
        if (!moving(s, reaction, i))
            continue;
        if (!inside(s.PosX[i], s.OrigenX, s.OrigenX + s.CaixaX) ||
            !inside(s.PosY[i], s.OrigenY, s.OrigenY + s.CaixaY) || !inside(s.PosZ[i], 0, s.CaixaZ))
            return "slot " + std::to_string(i) + " left the box";
    }
    return "";
}

} // namespace tarvon
