#include "engine/catom.h"

#include <cmath>

namespace tarvon {

void CAtom::crea(ShapeArray& shapes, int Num) {
    int s = shapes.upperIndex();
    if (s > 0)
        s = s + 1;
    for (int i = s; i <= s + Num - 1; ++i)
        if (i > 0)
            shapes.load(i);
}

void CAtom::propietats(ShapeArray& shapes, FloatList& radii, char tag, float Dia, int Num, Rgb fill,
                       Rgb border) {
    for (int k = 0; k <= Num - 1; ++k) {
        AtomShape& shape = shapes[k];
        shape.width = Dia;
        shape.height = Dia;
        radii[k] = Dia / 2;
        shape.fill = fill;
        shape.tag = tag;
        shape.border = border;
        shape.borderWidth = 1;
        shapes.setStill(k, false); // a new population moves until a lattice says otherwise
    }
}

void CAtom::Situacio_Atoms(SimulationState& Frm, UniformRandom& rnd, float Dia, float /*IoCar*/,
                           int NB0, int Num, float CX0, float CY0, Rgb fill, Rgb border) const {
    rnd.reseedFromClock();
    const double depthRange = Frm.CaixaZ - Dia;
    for (int i = NB0; i <= NB0 + Num - 1; ++i) {
        AtomShape& shape = Frm.caja.Cercle[i];
        shape.fill = fill;
        shape.border = border;
        shape.width = Dia;
        shape.height = Dia;
        const float x = static_cast<float>(std::floor((Frm.CaixaX - Dia) * rnd.next()) + CX0);
        const float y = static_cast<float>(std::floor((Frm.CaixaY - Dia) * rnd.next()) + CY0);
        const float z = static_cast<float>(std::floor((Frm.CaixaZ - Dia) * rnd.next()));
        Frm.PosX[i] = x;
        Frm.PosY[i] = y;
        Frm.PosZ[i] = z;
        const double depth = z / depthRange * Frm.Persp;
        Frm.caja.Cercle.move(i, static_cast<float>(x + depth * std::cos(Frm.AnglePersp)),
                             static_cast<float>(y - depth * std::sin(Frm.AnglePersp)));
        Frm.caja.Cercle.sendToBack(i);
        shape.visible = true;
    }
}

} // namespace tarvon
