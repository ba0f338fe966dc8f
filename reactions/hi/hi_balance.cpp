#include "reactions/hi/hi_parts.h"

#include "engine/conservation.h"

namespace tarvon {

// 2 HI -> H2 + I2. Slot i owns shapes A(i) and B(i), at first its iodine and
// its hydrogen; a reaction of i with j exchanges the looks and tags of B(i) and
// A(j), so the two tags of a slot tell its molecule.
std::string BalanceHI(const SimulationState& s) {
    const int n = s.NombreMol;
    if (s.nHI + 2 * s.nH2 != n || s.nHI + 2 * s.nI2 != n)
        return "hydrogen or iodine atoms not conserved";
    if (!ShapesHold(s.caja.AtomA, n) || !ShapesHold(s.caja.AtomB, n))
        return "fewer atom shapes than slots";
    int h2 = 0, i2 = 0;
    for (int i = 0; i < n; ++i) {
        const char a = s.caja.AtomA[i].tag, b = s.caja.AtomB[i].tag;
        h2 += a == kTagKindB && b == kTagKindB;
        i2 += a == kTagKindA && b == kTagKindA;
    }
    if (h2 != s.nH2 || i2 != s.nI2)
        return "the H2 or I2 counter differs from the molecules in the box";
    return "";
}

} // namespace tarvon
