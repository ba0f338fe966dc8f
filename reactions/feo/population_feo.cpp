#include "reactions/feo/feo_parts.h"

#include "engine/catom.h"
#include "reactions/atom_colours.h"
#include "reactions/atom_pair.h"
#include "reactions/rounding.h"
#include "reactions/speed_table.h"
#include "reactions/velocitat_inicial.h"

#include <algorithm>
#include <cmath>

namespace tarvon {

namespace {

constexpr int kMaxIronSide = 21;
// Both oxygen atoms of every molecule must fit the atom list.
constexpr int kMaxOxygenMolecules = kListSize / 2;

// The odd number of iron diameters that fits the box width, at most 21.
int ironSide(float W, float dFe) {
    int n = Int(W / dFe);
    if (n % 2 == 0)
        n = n - 1;
    return std::min(n, kMaxIronSide);
}

void buildIronLayer(SimulationState& s) {
    const CAtom atoms;
    const float dFe = 1.16f * s.Diam;
    s.PasOxid = 0.8f * 1.4f * s.Diam;
    const int n = std::max(ironSide(s.CaixaX, dFe), 0);
    s.CostatSolid = n;
    s.NumB = n * n;
    atoms.Crea_AtomsB(s, s.NumB);
    atoms.Propietats_AtomsB(s, dFe, s.NumB, kMetalFill, kIronBorder);
    const float rFe = dFe / 2;
    const float margin = s.CaixaX - n * dFe;
    s.capa.left = margin / 2 + rFe / 2 + s.OrigenX;
    s.capa.height = s.DesplY + s.OrigenY + s.CaixaY - 2 * rFe;
    s.capa.depth = margin / 4;
    s.capa.dFe = dFe;
    Capa_Ferro(s, n, 1.0f, 2 * rFe);
}

// Only z is truncated, and the bond term is one radius.
void placeO2(SimulationState& s, UniformRandom& rnd, int i) {
    const float rO = s.RadiA[i], k = s.FactorEnllac;
    const auto x = static_cast<float>((s.CaixaX - 4 * rO) * rnd.next() + 2 * rO + s.OrigenX);
    const auto y = static_cast<float>((s.CaixaY - 4 * rO) * rnd.next() + 2 * rO + s.OrigenY);
    const auto z = static_cast<float>(Int((s.CaixaZ - 4 * rO) * rnd.next()));
    s.PosX[i] = x;
    s.PosY[i] = y;
    s.PosZ[i] = z;
    // The bond term is rO here, not 2 rO as for the other diatomics.
    PlaceAtomPair(s, i, CentreA(s, i), CentreA(s, s.NombreMol + i), rO * k, rO * k);
}

void buildOxygen(SimulationState& s, UniformRandom& rnd) {
    const CAtom atoms;
    s.NombreMol = std::clamp(Int(s.NPUs / 2.0), 0, kMaxOxygenMolecules);
    s.NumA = 2 * s.NombreMol;
    atoms.Crea_AtomsA(s, s.NumA);
    atoms.Propietats_AtomsA(s, 0.74f * s.Diam, s.NumA, ColorsEspecie(5), ColorsEspecie(6));
    s.FactorEnllac = 0.9f;
    OmplirTaulaVel(s);
    for (int i = 0; i <= s.NombreMol - 1; ++i) {
        s.TaulaMol.setState(i, SlotState::Reactant);
        s.TaulaMol(i, 1) = static_cast<std::int16_t>(i);
        s.TaulaMol(i, 2) = static_cast<std::int16_t>(s.NombreMol + i);
        Velocitat_Inicial(s, rnd, i);
        placeO2(s, rnd, i);
    }
}

} // namespace

void Capa_Ferro(SimulationState& s, int n, float sc, float d) {
    const double depthRange = static_cast<double>(s.CaixaZ) - d;
    for (int a = 0; a <= n - 1; ++a) {
        for (int b = 0; b <= n - 1; ++b) {
            const int m = n * a + b;
            s.FerroX[m] = b * sc * d + s.capa.left;
            s.FerroY[m] = s.capa.height;
            s.FerroZ[m] = a * sc * d * 1.93f / 2 + s.capa.depth;
            s.DiamFerro[m] = d * 1.93f / 2;
            const double shift = s.FerroZ[m] / depthRange * s.Persp;
            s.PantBX[m] = static_cast<float>(shift * std::cos(s.AnglePersp) + s.FerroX[m]);
            s.PantBY[m] = static_cast<float>(s.FerroY[m] - shift * std::sin(s.AnglePersp));
            Situa_Bola(s, m);
        }
    }
}

void Situa_Bola(SimulationState& s, int k) {
    AtomShape& shape = s.caja.AtomB[k];
    shape.height = s.DiamFerro[k];
    shape.width = s.DiamFerro[k];
    s.caja.AtomB.move(k, s.PantBX[k], s.PantBY[k]);
    s.caja.AtomB.bringToFront(k);
    shape.visible = true;
    s.caja.AtomB.setStill(k, true);
}

void PoblacioFeO(SimulationState& s, UniformRandom& rnd) {
    buildIronLayer(s);
    buildOxygen(s, rnd);
    s.nO2 = s.NombreMol;
    s.nFeO = 0;
}

} // namespace tarvon
