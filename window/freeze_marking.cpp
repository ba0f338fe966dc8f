#include "window/freeze_marking.h"

#include "reactions/atom_colours.h"

#include <cmath>
#include <optional>

namespace tarvon {

void AccionsCongelar(TarvonModel& m) {
    bool& running = m.s.controls.tmrRellotgeEnabled;
    running = !running;
    m.d.AccionsCongelar =
        m.lang(running ? TX("window", "Congelar Imatge") : TX("window", "Descongelar Imatge"));
}

void ReprendreAnimacio(TarvonModel& m) {
    if (m.s.controls.tmrRellotgeEnabled)
        return; // the caption stays as the user left it
    AccionsCongelar(m);
}

void AccionsMarcar(TarvonModel& m) {
    m.w.Marcar = !m.w.Marcar;
    m.menus.check("AccionsMarcar", m.w.Marcar);
}

namespace {

// The first shape whose square of side 2r, r the radius of the kind's first
// particle, holds the point.
std::optional<long> hit(const ShapeArray& shapes, int count, float r, float X, float Y) {
    for (long i = 0; i < count; ++i) {
        const float dx = X - shapes[i].left - r;
        const float dy = Y - shapes[i].top - r;
        if (std::fabs(dx) <= r && std::fabs(dy) <= r)
            return i;
    }
    return std::nullopt;
}

void toggleMark(AtomShape& shape, float FactorDiam) {
    if (shape.border == ColorMarca) {
        shape.border = ColorsEspecie(6);
        shape.borderWidth = 1;
    } else {
        shape.border = ColorMarca;
        shape.borderWidth = static_cast<int>(std::nearbyint(2 * FactorDiam));
    }
}

} // namespace

void CajaMouseDown(TarvonModel& m, float X, float Y) {
    SimulationState& s = m.s;
    const std::optional<long> a = hit(s.caja.AtomA, s.NumA, s.RadiA[0], X, Y);
    if (a && m.w.Marcar)
        toggleMark(s.caja.AtomA[*a], s.FactorDiam);
    const std::optional<long> b = hit(s.caja.AtomB, s.NumB, s.RadiB[0], X, Y);
    if (b && m.w.Marcar)
        toggleMark(s.caja.AtomB[*b], s.FactorDiam);
}

} // namespace tarvon
