#pragma once

#include "engine/rgb.h"
#include "engine/simulation_state.h"

namespace tarvon {

// The ions of one lattice layer: sizes, AtomB shift, slot offset, grid, parity
// and the colours of both kinds.
struct LatticeLayer {
    float Dian = 0, Diap = 0;       // diameters of the AtomA and AtomB ions, twips
    float dAjustX = 0, dAjusty = 0; // shift of the AtomB sites against the grid
    int NB0 = 0;                    // added to the slot of every AtomA site
    int Nx = 0, Ny = 0, Nz = 0;
    int ps = 0; // 0 or 1: the parity of the positions given to AtomA
    Rgb fillA, borderA, fillB, borderB;
};

// An ionic lattice built from atom shapes and molecule slots that the
// animation leaves in place. The origin is in box units (twips).
class CSolido {
public:
    void setXB(float xx) { XB_ = xx; }
    float XB() const { return XB_; }
    void setYB(float yy) { YB_ = yy; }
    float YB() const { return YB_; }
    void setZB(float zz) { ZB_ = zz; }
    float ZB() const { return ZB_; }

    // Extends Cercle by Num shapes and marks their indices as solid.
    void Crea_Boles(SimulationState& Frm, int Num) const;

    // Lays one layer out: at each grid position either an AtomA site (slot
    // NB0 + position) or an AtomB site (slot = position), by parity.
    void Vibracio_Boles(SimulationState& Frm, const LatticeLayer& layer) const;

private:
    void placeA(SimulationState& Frm, const LatticeLayer& layer, int idx, double x, double y,
                double z) const;
    void placeB(SimulationState& Frm, const LatticeLayer& layer, int idx, double x, double y,
                double z) const;

    float XB_ = 0, YB_ = 0, ZB_ = 0;
};

} // namespace tarvon
