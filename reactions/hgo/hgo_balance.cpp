#include "reactions/hgo/hgo_parts.h"

#include "engine/conservation.h"

namespace tarvon {

// 2 HgO -> 2 Hg + O2. Mercury sites are the slots below NumB, the O2 of
// each pair takes a slot from NumB on; both leave the solid when released.
std::string BalanceHgO(const SimulationState& s) {
    if (2 * s.nO2 != s.nHg)
        return "oxygen atoms not conserved";
    int mercury = 0, oxygen = 0;
    for (int i = 0; i < s.NombreMol; ++i)
        (i < s.NumB ? mercury : oxygen) += !s.EnSolid[i];
    if (mercury != s.nHg || oxygen != s.nO2)
        return "the counters differ from the particles released";
    return "";
}

} // namespace tarvon
