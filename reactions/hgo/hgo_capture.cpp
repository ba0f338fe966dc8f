#include "reactions/hgo/hgo_parts.h"

#include "engine/mostra_captura.h"
#include "reactions/atom_colours.h"
#include "reactions/mechanism_continue.h"

#include <array>

namespace tarvon {

namespace {

struct Centre {
    double x, y;
};

Centre centreOf(const CapturedShape& photo) {
    return {photo.left + photo.width / 2.0, photo.top + photo.height / 2.0};
}

void centreAt(AtomShape& shape, Centre c) {
    shape.left = static_cast<float>(c.x - shape.width / 2.0);
    shape.top = static_cast<float>(c.y - shape.height / 2.0);
}

} // namespace

// Two HgO ions of each kind, each back where it was photographed.
void ShowCaptureHgO(SimulationState& s) {
    const CaptureState& m = s.meca;
    const std::array<AtomShape*, 4> group{&s.caja.AtomA[m.IdxMeca[0]], &s.caja.AtomA[m.IdxMeca[1]],
                                          &s.caja.AtomB[m.IdxMeca[2]], &s.caja.AtomB[m.IdxMeca[3]]};
    for (int n = 0; n < 4; ++n)
        RestoreCaptured(*group[n], m.FotoMeca[n], m.FotoMeca[n].left, m.FotoMeca[n].top);
    HighlightCaptured(group);
    BringCapturedForward(s, s.caja.AtomA, s.caja.AtomB);
}

// The released pair as atoms: the O2 side by side over where its two oxide
// ions were, in front, and each mercury atom where its ion was.
void ContinueHgO(SimulationState& s) {
    if (!s.meca.MecaCapturat)
        return;
    s.meca.MecaCapturat = false;
    const CaptureState& m = s.meca;
    const float dO = 0.74f * s.Diam;
    const Centre a = centreOf(m.FotoMeca[0]), b = centreOf(m.FotoMeca[1]);
    const Centre mid{(a.x + b.x) / 2, (a.y + b.y) / 2};
    for (int n : {0, 1}) {
        const long k = m.IdxMeca[n];
        AtomShape& oxygen = s.caja.AtomA[k];
        Dress(oxygen, ColorsEspecie(5), dO);
        centreAt(oxygen, {mid.x + (n == 0 ? -dO / 2.0 : dO / 2.0), mid.y});
        s.caja.AtomA.bringToFront(k);
    }
    for (int n : {2, 3}) {
        AtomShape& mercury = s.caja.AtomB[m.IdxMeca[n]];
        Dress(mercury, kMetalFill, 1.44f * s.Diam);
        centreAt(mercury, centreOf(m.FotoMeca[n]));
    }
}

} // namespace tarvon
