#include "engine/csolido.h"

#include "engine/catom.h"

#include <cmath>

namespace tarvon {

namespace {

void dress(AtomShape& shape, float dia, Rgb fill, Rgb border) {
    shape.fill = fill;
    shape.border = border;
    shape.height = dia;
    shape.width = dia;
    shape.borderWidth = 1;
}

// Lattice slots are projected against the bond length, not the atom radius.
void projectSite(SimulationState& Frm, long j) {
    const double depth =
        static_cast<double>(Frm.PosZ[j]) / (Frm.CaixaZ - Frm.DistEnllac) * Frm.Persp;
    Frm.PantSolX[j] = static_cast<float>(Frm.PosX[j] + depth * std::cos(Frm.AnglePersp));
    Frm.PantSolY[j] = static_cast<float>(Frm.PosY[j] - depth * std::sin(Frm.AnglePersp));
}

void placeSite(SimulationState& Frm, long j, double x, double y, double z) {
    Frm.PosX[j] = static_cast<float>(x);
    Frm.PosY[j] = static_cast<float>(y);
    Frm.PosZ[j] = static_cast<float>(z);
    projectSite(Frm, j);
    Frm.EnSolid[j] = true;
}

// Moves shape idx to where slot j is drawn and puts it behind the sites placed
// before it.
void showSite(SimulationState& Frm, ShapeArray& atoms, long idx, long j, FloatList& pantX,
              FloatList& pantY) {
    pantX[idx] = Frm.PantSolX[j];
    pantY[idx] = Frm.PantSolY[j];
    atoms.move(idx, Frm.PantSolX[j], Frm.PantSolY[j]);
    atoms.sendToBack(idx);
    atoms[idx].visible = true;
    atoms.setStill(idx, true);
}

} // namespace

void CSolido::Crea_Boles(SimulationState& Frm, int Num) const {
    const int upper = Frm.caja.Cercle.upperIndex();
    const int first = upper > 0 ? upper + 1 : 0;
    CAtom::crea(Frm.caja.Cercle, Num);
    for (int k = first; k <= first + Num - 1; ++k)
        Frm.EnSolid[k] = true;
}

void CSolido::Vibracio_Boles(SimulationState& Frm, const LatticeLayer& layer) const {
    // The grid step is a little under one bond length.
    const double step = static_cast<double>(Frm.Escala) * Frm.DistEnllac * 1.93 / 2;
    for (int k = 0; k <= layer.Nz - 1; ++k) {
        for (int m = 0; m <= layer.Nx * layer.Ny - 1; ++m) {
            const int idx = layer.Nx * k * layer.Ny + m;
            const int column = m % layer.Nx;
            const int row = m / layer.Nx;
            const int level = k % layer.Nz;
            const double x = column * step;
            const double y = row * step;
            const double z = level * step;
            if ((idx & 1) == layer.ps)
                placeA(Frm, layer, idx, x, y, z);
            else
                placeB(Frm, layer, idx, x, y, z);
        }
    }
}

void CSolido::placeA(SimulationState& Frm, const LatticeLayer& layer, int idx, double x, double y,
                     double z) const {
    const long j = layer.NB0 + idx;
    dress(Frm.caja.AtomA[idx], layer.Dian, layer.fillA, layer.borderA);
    // Rows go upwards from the origin.
    placeSite(Frm, j, x + XB_, YB_ - y, z + ZB_);
    showSite(Frm, Frm.caja.AtomA, idx, j, Frm.PantAX, Frm.PantAY);
}

void CSolido::placeB(SimulationState& Frm, const LatticeLayer& layer, int idx, double x, double y,
                     double z) const {
    dress(Frm.caja.AtomB[idx], layer.Diap, layer.fillB, layer.borderB);
    // The z shift is dAjustX as well.
    placeSite(Frm, idx, x + layer.dAjustX + XB_, layer.dAjusty + YB_ - y, z + layer.dAjustX + ZB_);
    showSite(Frm, Frm.caja.AtomB, idx, idx, Frm.PantBX, Frm.PantBY);
}

} // namespace tarvon
