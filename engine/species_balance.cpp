#include "engine/species_balance.h"

#include "reactions/reaction_description.h"

namespace tarvon {

namespace {

bool holds(const ShapeArray& shapes, int n) {
    return shapes.upperIndex() + 1 >= n;
}

// 2 HI -> H2 + I2. Slot i owns shapes A(i) and B(i), at first its iodine and
// its hydrogen; a reaction of i with j exchanges the looks and tags of B(i) and
// A(j), so the two tags of a slot tell its molecule.
std::string balanceHI(const SimulationState& s) {
    const int n = s.NombreMol;
    if (s.nHI + 2 * s.nH2 != n || s.nHI + 2 * s.nI2 != n)
        return "hydrogen or iodine atoms not conserved";
    if (!holds(s.caja.AtomA, n) || !holds(s.caja.AtomB, n))
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

// N2 + 3 H2 -> 2 NH3. The population holds NumA nitrogen and NumB hydrogen
// atoms; each reaction turns two slots into ammonia and uses up two.
std::string balanceNH3(const SimulationState& s) {
    if (2 * s.nN2 + s.nNH3 != s.NumA)
        return "nitrogen atoms not conserved";
    if (2 * s.nH2 + 3 * s.nNH3 != s.NumB)
        return "hydrogen atoms not conserved";
    int reactants = 0, products = 0;
    for (int i = 0; i < s.NombreMol; ++i) {
        reactants += s.TaulaMol.state(i) == SlotState::Reactant;
        products += s.TaulaMol.state(i) == SlotState::Product;
    }
    if (reactants != s.nN2 + s.nH2 || products != s.nNH3)
        return "the counters differ from the slot states";
    return "";
}

// 2 Fe + O2 -> 2 FeO at the surface. Every O2 starts in a slot of its own;
// each one used up oxidises two iron cells, listed and tagged once.
std::string balanceFeO(const SimulationState& s) {
    if (2 * s.nO2 + s.nFeO != 2 * s.NombreMol)
        return "oxygen atoms not conserved";
    int inPlay = 0;
    for (int i = 0; i < s.NombreMol; ++i)
        inPlay += s.TaulaMol.inPlay(i);
    if (inPlay != s.nO2)
        return "the O2 counter differs from the slots in play";
    if (!holds(s.caja.AtomB, s.NumB))
        return "fewer iron shapes than iron atoms";
    int oxidised = 0;
    for (int k = 0; k < s.NumB; ++k)
        oxidised += s.caja.AtomB[k].tag == kTagOxidisedIron;
    if (oxidised != s.nFeO || s.NumCellesOxid != s.nFeO)
        return "the FeO counter differs from the oxidised cells";
    return "";
}

// 2 HgO -> 2 Hg + O2. Mercury sites are the slots below NumB, the O2 of
// each pair takes a slot from NumB on; both leave the solid when released.
std::string balanceHgO(const SimulationState& s) {
    if (2 * s.nO2 != s.nHg)
        return "oxygen atoms not conserved";
    int mercury = 0, oxygen = 0;
    for (int i = 0; i < s.NombreMol; ++i)
        (i < s.NumB ? mercury : oxygen) += !s.EnSolid[i];
    if (mercury != s.nHg || oxygen != s.nO2)
        return "the counters differ from the particles released";
    return "";
}

} // namespace

std::string SpeciesBalanceViolation(const SimulationState& s) {
    switch (ReactionOf(s)) {
    case Reaction::HI:
        return balanceHI(s);
    case Reaction::NH3:
        return balanceNH3(s);
    case Reaction::FeO:
        return balanceFeO(s);
    case Reaction::HgO:
        return balanceHgO(s);
    case Reaction::None:
        break;
    }
    return "";
}

} // namespace tarvon
