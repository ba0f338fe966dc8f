#include "reactions/mechanism_capture.h"

#include "reactions/atom_colours.h"

#include <cmath>

namespace tarvon {

bool InCaptureView(const SimulationState& s, int i) {
    const double d = s.DistEnllac;
    const double depth = s.PosZ[i] / (s.CaixaZ - d / 2) * s.Persp;
    const double px = depth * std::cos(s.AnglePersp) + s.PosX[i] - d / 2;
    const double py = s.PosY[i] - d / 2 + s.DesplY - depth * std::sin(s.AnglePersp);
    return 2 * d < px && px < s.LimitVisX - 2 * d && 2 * d < py && py < s.LimitVisY - 2 * d;
}

bool HoldBackForCapture(SimulationState& s, ReactionHooks& hooks, const AtomShape& tested) {
    // The animation step marks a captured group; a marked atom is shown, not held.
    if (tested.border == ColorsEspecie(6) && !s.meca.MecaMostrat) {
        s.meca.MecaCapturat = true;
        return true;
    }
    hooks.mostraCaptura(s);
    s.meca.MecaMostrat = true;
    return false;
}

void PhotographCaptured(SimulationState& s, int n, const AtomShape& shape) {
    CapturedShape& photo = s.meca.FotoMeca[n];
    photo.left = shape.left;
    photo.top = shape.top;
    photo.height = shape.height;
    photo.width = shape.width;
    photo.fill = static_cast<float>(packRgb(shape.fill));
}

} // namespace tarvon
