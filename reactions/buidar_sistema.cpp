#include "reactions/buidar_sistema.h"

#include "reactions/reaction_description.h"

namespace tarvon {

namespace {

constexpr int kTableRowsCleared = 250; // half the list: the rows a population can use

// Lists and counts that survive in our state between populations. A rebuild
// for the same or another reaction must not inherit them: a lattice slot left
// marked solid would never move again, a stale collision size would make the
// "HgO" pair test meet unreleased sites, and the slot counts would point at
// shapes destroyed just now. Cercle is left alone: no population creates
// circles in it.
void resetPopulation(SimulationState& s) {
    s.EnSolid.fill(false);
    s.MidaMol.fill(0);
    s.NombreMol = s.NumA = s.NumB = 0;
    static_cast<SpeciesCounters&>(s) = SpeciesCounters{};
    // Element 0 survives the unloading; the next population shows it again
    // only if it uses it.
    s.caja.AtomA[0].visible = false;
    s.caja.AtomB[0].visible = false;
}

} // namespace

void BuidarSistema(SimulationState& s) {
    s.NPUs = s.NombreP;
    s.FactorVel = s.DistEnllac * s.Escala / (s.FactorDiam + s.FactorDiam);
    s.caja.AtomA.unloadAllButFirst();
    s.caja.AtomB.unloadAllButFirst();
    s.caja.AtomC.unloadAllButFirst();
    s.caja.AtomD.unloadAllButFirst();
    for (int row = 0; row <= kTableRowsCleared; ++row)
        for (int col = 0; col < MolTable::kColumns; ++col)
            s.TaulaMol(row, col) = 0;
    s.CellesOxid.fill(kNoCell);
    s.OxigenCella.fill(kNoCell);
    s.NumCellesOxid = 0;
    s.EnSuperficie.fill(false);
    // A new run counts its own collisions.
    s.xocs = CollisionCounts{s.Reaccio != nullptr ? s.Reaccio->collisions : CollisionKind::None};
    resetPopulation(s);
}

} // namespace tarvon
