#include "engine/tick_invariants.h"

#include "engine/moving_slots.h"
#include "engine/reaction_tick.h"
#include "engine/slot_margins.h"
#include "engine/conservation.h"

namespace tarvon {

namespace {

bool countOk(int n) {
    return n >= 0 && n <= kListSize;
}

std::string countViolation(const SimulationState& s) {
    for (int n : {s.NombreMol, s.NumA, s.NumB, s.NumCellesOxid})
        if (!countOk(n))
            return "a count lies outside its list";
    for (int n : s.allSpecies())
        if (!countOk(n))
            return "a species counter lies outside 0.." + std::to_string(kListSize);
    return "";
}

bool inside(float v, float lo, float hi) {
    return v >= lo && v <= hi;
}

std::string positionViolation(const SimulationState& s) {
    for (int i = 0; i < s.NombreMol; ++i) {
        if (!SlotMoves(s, i) || i == s.meca.heldBackSlot)
            continue;
        const WallLimits lim = SlotLimits(s, i);
        if (!inside(s.PosX[i], lim.xLo, lim.xHi) || !inside(s.PosY[i], lim.yLo, lim.yHi) ||
            !inside(s.PosZ[i], lim.zLo, lim.zHi))
            return "slot " + std::to_string(i) + " lies outside its walls";
    }
    return "";
}

} // namespace

std::string TickInvariantViolation(const SimulationState& s) {
    // Counts first: the other checks walk the lists up to them.
    std::string v = countViolation(s);
    if (v.empty())
        v = positionViolation(s);
    if (v.empty())
        v = SpeciesBalanceViolation(s);
    return v;
}

void CheckTickInvariants(const SimulationState& s) {
    const std::string v = TickInvariantViolation(s);
    if (!v.empty())
        throw TickInvariantBroken(std::string(s.Regles != nullptr ? s.Regles->key : "") + ": " + v);
}

} // namespace tarvon
