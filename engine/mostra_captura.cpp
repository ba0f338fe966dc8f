#include "engine/mostra_captura.h"

#include "engine/reaction_tick.h"

#include <cmath>

namespace tarvon {

namespace {

const Rgb kCaptureBorder{0, 255, 0};

} // namespace

void MostraCaptura(SimulationState& s) {
    s.controls.tmrRellotgeEnabled = false;
    s.meca.CapturaEnPantalla = true;
    // A gas group is highlighted by the reaction's own tick.
    if (s.Regles != nullptr && s.Regles->capture.show != nullptr)
        s.Regles->capture.show(s);
}

void RestoreCaptured(AtomShape& shape, const CapturedShape& photo, float left, float top) {
    shape.left = left;
    shape.top = top;
    shape.height = photo.height;
    shape.width = photo.width;
    shape.fill = unpackRgb(std::lround(photo.fill));
}

void HighlightCaptured(const std::array<AtomShape*, 4>& group) {
    for (AtomShape* shape : group) {
        shape->border = kCaptureBorder;
        shape->borderWidth = 2;
        shape->visible = true;
    }
}

void BringCapturedForward(SimulationState& s, ShapeArray& first, ShapeArray& second) {
    const CaptureState& m = s.meca;
    for (int n = 0; n < 4; ++n)
        (n < 2 ? first : second).bringToFront(m.IdxMeca[n]);
}

} // namespace tarvon
