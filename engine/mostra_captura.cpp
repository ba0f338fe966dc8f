#include "engine/mostra_captura.h"

#include "reactions/reaction_description.h"

#include <array>
#include <cmath>

namespace tarvon {

namespace {

const Rgb kCaptureBorder{0, 255, 0};

void restore(AtomShape& shape, const CapturedShape& photo, float left, float top) {
    shape.left = left;
    shape.top = top;
    shape.height = photo.height;
    shape.width = photo.width;
    shape.fill = unpackRgb(std::lround(photo.fill));
}

void highlight(const std::array<AtomShape*, 4>& group) {
    for (AtomShape* shape : group) {
        shape->border = kCaptureBorder;
        shape->borderWidth = 2;
        shape->visible = true;
    }
}

// A group inside the solid would be hidden by the ions in front of it.
void bringForward(SimulationState& s, ShapeArray& first, ShapeArray& second) {
    const CaptureState& m = s.meca;
    for (int n = 0; n < 4; ++n)
        (n < 2 ? first : second).bringToFront(m.IdxMeca[n]);
}

// Two HgO ions of each kind, each back where it was photographed.
void restoreHgO(SimulationState& s) {
    const CaptureState& m = s.meca;
    const std::array<AtomShape*, 4> group{&s.caja.AtomA[m.IdxMeca[0]], &s.caja.AtomA[m.IdxMeca[1]],
                                          &s.caja.AtomB[m.IdxMeca[2]], &s.caja.AtomB[m.IdxMeca[3]]};
    for (int n = 0; n < 4; ++n)
        restore(*group[n], m.FotoMeca[n], m.FotoMeca[n].left, m.FotoMeca[n].top);
    highlight(group);
    bringForward(s, s.caja.AtomA, s.caja.AtomB);
}

// Two iron atoms, each with its oxygen straight above it, lifted onto the
// oxidised layer.
void restoreFeO(SimulationState& s) {
    const CaptureState& m = s.meca;
    const std::array<AtomShape*, 4> group{&s.caja.AtomB[m.IdxMeca[0]], &s.caja.AtomB[m.IdxMeca[1]],
                                          &s.caja.AtomA[m.IdxMeca[2]], &s.caja.AtomA[m.IdxMeca[3]]};
    for (int n = 0; n < 4; ++n) {
        const float left = m.FotoMeca[n % 2].left;
        const double lift = n < 2 ? s.PasOxid / 2.0 : s.PasOxid / 1.5;
        restore(*group[n], m.FotoMeca[n], left, static_cast<float>(m.FotoMeca[n].top - lift));
    }
    highlight(group);
    bringForward(s, s.caja.AtomB, s.caja.AtomA);
}

} // namespace

void MostraCaptura(SimulationState& s) {
    s.controls.tmrRellotgeEnabled = false;
    s.meca.CapturaEnPantalla = true;
    switch (ReactionOf(s)) {
    case Reaction::HgO:
        restoreHgO(s);
        break;
    case Reaction::FeO:
        restoreFeO(s);
        break;
    default:
        // "HI" and "NH3" are highlighted by the animation step itself.
        break;
    }
}

} // namespace tarvon
