#include "reactions/feo/feo_parts.h"

#include "engine/mostra_captura.h"
#include "reactions/atom_colours.h"
#include "reactions/feo/ordena_capes.h"
#include "reactions/mechanism_continue.h"

#include <array>

namespace tarvon {

// Two iron atoms, each with its oxygen straight above it, lifted onto the
// oxidised layer.
void ShowCaptureFeO(SimulationState& s) {
    const CaptureState& m = s.meca;
    const std::array<AtomShape*, 4> group{&s.caja.AtomB[m.IdxMeca[0]], &s.caja.AtomB[m.IdxMeca[1]],
                                          &s.caja.AtomA[m.IdxMeca[2]], &s.caja.AtomA[m.IdxMeca[3]]};
    for (int n = 0; n < 4; ++n) {
        const float left = m.FotoMeca[n % 2].left;
        const double lift = n < 2 ? s.PasOxid / 2.0 : s.PasOxid / 1.5;
        RestoreCaptured(*group[n], m.FotoMeca[n], left,
                        static_cast<float>(m.FotoMeca[n].top - lift));
    }
    HighlightCaptured(group);
    BringCapturedForward(s, s.caja.AtomB, s.caja.AtomA);
}

// Two iron ions and two oxide ions where the oxidised layer keeps them, then
// the layer restacked whether or not a capture was on show.
void ContinueFeO(SimulationState& s) {
    if (s.meca.MecaCapturat) {
        s.meca.MecaCapturat = false;
        for (int n : {0, 1}) {
            const long c = s.meca.IdxMeca[n];
            s.caja.AtomB.move(c, s.PantBX[c], s.PantBY[c]);
            Dress(s.caja.AtomB[c], ColorsEspecie(1), 0.83f * s.Diam);
        }
        for (int n : {2, 3}) {
            const long o = s.meca.IdxMeca[n];
            s.caja.AtomA.move(o, s.PantAX[o], s.PantAY[o]);
            Dress(s.caja.AtomA[o], ColorsEspecie(4), 1.4f * s.Diam);
        }
    }
    Ordena_Capes(s);
}

} // namespace tarvon
