#include "reactions/feo/feo_parts.h"

#include "engine/conservation.h"

namespace tarvon {

// 2 Fe + O2 -> 2 FeO at the surface. Every O2 starts in a slot of its own;
// each one used up oxidises two iron cells, listed and tagged once.
std::string BalanceFeO(const SimulationState& s) {
    if (2 * s.nO2 + s.nFeO != 2 * s.NombreMol)
        return "oxygen atoms not conserved";
    int inPlay = 0;
    for (int i = 0; i < s.NombreMol; ++i)
        inPlay += s.TaulaMol.inPlay(i);
    if (inPlay != s.nO2)
        return "the O2 counter differs from the slots in play";
    if (!ShapesHold(s.caja.AtomB, s.NumB))
        return "fewer iron shapes than iron atoms";
    int oxidised = 0;
    for (int k = 0; k < s.NumB; ++k)
        oxidised += s.caja.AtomB[k].tag == kTagOxidisedIron;
    if (oxidised != s.nFeO || s.NumCellesOxid != s.nFeO)
        return "the FeO counter differs from the oxidised cells";
    return "";
}

} // namespace tarvon
