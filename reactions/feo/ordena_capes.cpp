#include "reactions/feo/ordena_capes.h"

#include <cmath>

namespace tarvon {

namespace {

void raise(ShapeArray& shapes, long k, float left, float top) {
    shapes.move(k, left, top);
    shapes.bringToFront(k);
    shapes[k].visible = true;
}

void raiseCell(SimulationState& s, long c) {
    raise(s.caja.AtomB, c, s.PantBX[c], s.PantBY[c]);
    const long o = s.OxigenCella[c];
    raise(s.caja.AtomA, o, s.PantAX[o], s.PantAY[o]);
}

} // namespace

void Ordena_Capes(SimulationState& s) {
    const double oxide = 1.4 * s.Diam; // oxide ion diameter, twips
    if (oxide > 0) {
        // Layers two oxide diameters deep, the nearer drawn over the deeper.
        const long layers = std::lrint(s.CaixaZ / oxide);
        for (long L = 0; L <= layers; ++L) {
            for (int e = 0; e < s.CellesOxid.size(); ++e) {
                const long c = s.CellesOxid[e];
                if (c >= kNoCell)
                    continue;
                const float z = s.FerroZ[c];
                if (2 * L * oxide < z && z <= 2 * (L + 1) * oxide)
                    raiseCell(s, c);
            }
        }
    }
    for (int b = 0; b <= s.NumB - 1; ++b)
        if (s.caja.AtomB[b].tag != kTagOxidisedIron)
            s.caja.AtomB.sendToBack(b);
}

} // namespace tarvon
