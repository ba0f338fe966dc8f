#include "reactions/hgo/hgo_parts.h"

#include "engine/catom.h"
#include "engine/csolido.h"
#include "reactions/atom_colours.h"
#include "reactions/rounding.h"
#include "reactions/speed_table.h"
#include "reactions/velocitat_inicial.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tarvon {

namespace {

// The oxide sites take slots n² ... 2n² - 1, which must fit the lists: 15 is
// the largest odd side that does.
constexpr int kMaxBlockSide = 15;

// The odd side of the block: an odd side grows by two, an even one by one.
int blockSide(int N) {
    int n = CInt(std::sqrt(N / 2.0));
    n = n + n % 2 + 1;
    return std::min(n, kMaxBlockSide);
}

// Grid spacing and shifts of the mercury sites, from the two ion diameters.
LatticeLayer latticeFor(SimulationState& s, int n, float dA, float dB) {
    LatticeLayer layer;
    const float h = 0.414f * dA;
    const float inner = h <= dB ? dB : h;
    s.DistEnllac = (dA + inner) / 2;
    layer.dAjustX = (dA - inner) / 2;
    layer.dAjusty = (dA - dB) / 2;
    layer.Dian = dA;
    layer.Diap = dB;
    layer.NB0 = n * n;
    layer.Nx = layer.Nz = n;
    layer.Ny = 1;
    layer.fillA = ColorsEspecie(4);
    layer.borderA = ColorsEspecie(6);
    layer.fillB = ColorsEspecie(1);
    layer.borderB = ColorsEspecie(6);
    return layer;
}

// Two layers of opposite parity, one bond apart in height, on the floor.
void buildBlock(SimulationState& s, int n, float dA, float dB) {
    LatticeLayer layer = latticeFor(s, n, dA, dB);
    const float margin = s.CaixaX - n * s.DistEnllac;
    const float top = s.DesplY + s.OrigenY + s.CaixaY;
    CSolido solid;
    solid.setXB(margin / 2 + s.OrigenX);
    solid.setZB(margin / 2);
    for (int ps = 0; ps <= 1; ++ps) {
        solid.setYB(top - (2 - ps) * s.DistEnllac);
        layer.ps = ps;
        solid.Vibracio_Boles(s, layer);
    }
}

void listPairs(SimulationState& s) {
    for (int j = 0; 2 * j <= s.NumB - 1; ++j)
        s.Parells[j] = static_cast<std::int16_t>(2 * j);
}

} // namespace

void Barreja_Parells(SimulationState& s, UniformRandom& rnd, int n) {
    for (int k = 0; k <= n - 1; ++k)
        s.OrdreParells[k] = s.Parells[k];
    for (int k = 0; k <= n - 1; ++k) {
        const int j = Int((n - k) * rnd.next());
        std::swap(s.OrdreParells[n - 1 - k], s.OrdreParells[j]);
    }
}

void PoblacioHgO(SimulationState& s, UniformRandom& rnd) {
    const CAtom atoms;
    const int n = blockSide(s.NombreP);
    s.CostatSolid = n;
    const int sites = n * n;
    atoms.Crea_AtomsA(s, sites);
    atoms.Crea_AtomsB(s, sites);
    const float dA = 1.4f * s.Diam, dB = 1.1f * s.Diam;
    s.RadiA[0] = dA / 2;
    s.RadiB[0] = dB / 2;
    buildBlock(s, n, dA, dB);
    // One site of each kind is left out so the ions pair up.
    s.caja.AtomA[sites - 1].visible = false;
    s.caja.AtomB[sites - 1].visible = false;
    s.NumA = s.NumB = sites - 1;
    s.NombreMol = CInt(1.5 * s.NumB);
    s.FactorEnllac = 0.9f;
    listPairs(s);
    Barreja_Parells(s, rnd, CInt(s.NumB / 2.0));
    OmplirTaulaVel(s);
    for (int i = 0; i <= s.NombreMol - 1; ++i)
        Velocitat_Inicial(s, rnd, i);
    s.nHg = 0;
    s.nO2 = 0;
}

} // namespace tarvon
