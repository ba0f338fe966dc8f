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
    ShapeArray& atoms = Frm.caja.AtomA;
    dress(atoms[idx], layer.Dian, layer.fillA, layer.borderA);
    // Rows go upwards from the origin.
    Frm.PosX[j] = static_cast<float>(x + XB_);
    Frm.PosY[j] = static_cast<float>(YB_ - y);
    Frm.PosZ[j] = static_cast<float>(z + ZB_);
    projectSite(Frm, j);
    Frm.PantAX[idx] = Frm.PantSolX[j];
    Frm.PantAY[idx] = Frm.PantSolY[j];
    atoms.move(idx, Frm.PantSolX[j], Frm.PantSolY[j]);
    // Later sites go behind earlier ones.
    atoms.sendToBack(idx);
    atoms[idx].visible = true;
    Frm.EnSolid[j] = true;
}

void CSolido::placeB(SimulationState& Frm, const LatticeLayer& layer, int idx, double x, double y,
                     double z) const {
    ShapeArray& atoms = Frm.caja.AtomB;
    dress(atoms[idx], layer.Diap, layer.fillB, layer.borderB);
    // The z shift is dAjustX as well.
    Frm.PosX[idx] = static_cast<float>(x + layer.dAjustX + XB_);
    Frm.PosY[idx] = static_cast<float>(layer.dAjusty + YB_ - y);
    Frm.PosZ[idx] = static_cast<float>(z + layer.dAjustX + ZB_);
    projectSite(Frm, idx);
    Frm.PantBX[idx] = Frm.PantSolX[idx];
    Frm.PantBY[idx] = Frm.PantSolY[idx];
    atoms.move(idx, Frm.PantSolX[idx], Frm.PantSolY[idx]);
    atoms.sendToBack(idx);
    atoms[idx].visible = true;
    Frm.EnSolid[idx] = true;
}

} // namespace tarvon
