#include "reactions/feo/reaccio_feo.h"

#include "reactions/atom_colours.h"
#include "reactions/feo/ordena_capes.h"
#include "reactions/mechanism_capture.h"

#include <cmath>
#include <optional>

namespace tarvon {

namespace {

constexpr double kPi = 3.14159265358979;

// The iron cell under the molecule and the neighbour its second atom meets.
struct Landing {
    int col, cell, second;
};

// Column or row of the layer under a coordinate; none outside 0 ... n - 1.
std::optional<int> layerIndex(double offset, double dFe, int n) {
    const double index = std::floor(offset / dFe);
    if (!(index >= 0 && index <= n - 1))
        return std::nullopt;
    return static_cast<int>(index);
}

std::optional<Landing> landing(const SimulationState& s, int i) {
    const int n = s.CostatSolid;
    const double dFe = s.capa.dFe;
    const double reach = 2.0 * s.RadiA[0] * std::cos(s.Beta[i] * kPi / 180);
    const auto col = layerIndex(s.PosX[i] - s.capa.left - reach, dFe, n);
    const auto row = layerIndex(s.PosZ[i] - s.capa.depth - reach, dFe, n);
    if (!col || !row)
        return std::nullopt;
    const int cell = n * *row + *col;
    const float alpha = s.Alfa[i], uz = s.DirZ[i];
    int second = -1;
    if (alpha < 60 && *col < n - 1)
        second = cell + 1;
    if (alpha > 120 && *col > 0)
        second = cell - 1;
    if (second < 0 && std::fabs(uz) < 0.5f) {
        if (uz > 0 && *row < n - 1)
            second = cell + n;
        if (uz < 0 && *row > 0)
            second = cell - n;
    }
    if (second < 0)
        return std::nullopt;
    return Landing{*col, cell, second};
}

void capture(SimulationState& s, const Landing& at, long o1, long o2) {
    CaptureState& m = s.meca;
    const long idx[4] = {at.cell, at.second, o1, o2};
    const AtomShape* shapes[4] = {&s.caja.AtomB[at.cell], &s.caja.AtomB[at.second],
                                  &s.caja.AtomA[o1], &s.caja.AtomA[o2]};
    for (int n = 0; n < 4; ++n) {
        m.IdxMeca[n] = static_cast<std::int16_t>(idx[n]);
        PhotographCaptured(s, n, *shapes[n]);
    }
    m.MecaCapturat = true;
}

void dressIon(AtomShape& shape, Rgb fill, float diameter) {
    shape.fill = fill;
    shape.width = diameter;
    shape.height = diameter;
    // A particle the user marked keeps its mark.
    if (!(shape.border == ColorMarca))
        shape.border = ColorsEspecie(6);
}

// Iron cell c and its oxide ion o take their places in the oxidised surface:
// the oxide above the iron on even cells, below it on odd ones.
void oxidiseCell(SimulationState& s, long c, long o) {
    const bool even = c % 2 == 0;
    const double D = s.CaixaZ, rO = s.RadiA[0];
    const double rise = s.Persp * std::sin(s.AnglePersp);
    const float shift = 0.57f * s.Diam / 2.32f;
    s.FerroY[c] = s.capa.height - (even ? 0.5f : 1.5f) * s.PasOxid;
    s.PantBY[c] = static_cast<float>(s.FerroY[c] - s.FerroZ[c] / (D - s.capa.dFe) * rise);
    const float left = s.PantBX[c];
    s.PantBX[c] = left + shift;
    // The layer height is already a screen position (it holds DesplY): adding
    // DesplY once more would draw the oxide ions below the floor of the box.
    const float h = s.capa.height - (even ? 2.0f : 1.0f) * s.PasOxid;
    s.PantAY[o] = static_cast<float>(h - s.FerroZ[c] / (D - 2 * rO) * rise);
    s.PantAX[o] = left + shift;
    dressIon(s.caja.AtomB[c], ColorsEspecie(1), 0.83f * s.Diam);
    dressIon(s.caja.AtomA[o], ColorsEspecie(4), 1.4f * s.Diam);
    s.caja.AtomB.move(c, s.PantBX[c], s.PantBY[c]);
    s.caja.AtomA.move(o, s.PantAX[o], s.PantAY[o]);
}

void react(SimulationState& s, int i, const Landing& at, long o1, long o2) {
    for (int c : {at.cell, at.second}) {
        s.CellesOxid[s.NumCellesOxid] = static_cast<std::int16_t>(c);
        ++s.NumCellesOxid;
    }
    s.OxigenCella[at.cell] = static_cast<std::int16_t>(o1);
    s.OxigenCella[at.second] = static_cast<std::int16_t>(o2);
    s.caja.AtomB[at.cell].tag = kTagOxidisedIron;
    s.caja.AtomB[at.second].tag = kTagOxidisedIron;
    s.TaulaMol.setState(i, SlotState::UsedUp);
    oxidiseCell(s, at.cell, o1);
    oxidiseCell(s, at.second, o2);
    Ordena_Capes(s);
    s.nO2 -= 1;
    s.nFeO += 2;
    ++s.xocs.effective;
}

} // namespace

void ReaccioFeO(SimulationState& s, int i) {
    if (std::tan(s.Beta[i] * kPi / 180) <= 1) {
        s.VelY[i] = -s.VelY[i];
        s.Rebot = true;
        return;
    }
    // Off the layer, or without a neighbour to take the second atom: the
    // molecule goes on as it is.
    const std::optional<Landing> at = landing(s, i);
    if (!at)
        return;
    if (s.caja.AtomB[at->cell].tag == kTagOxidisedIron ||
        s.caja.AtomB[at->second].tag == kTagOxidisedIron)
        return;
    const long o1 = s.TaulaMol(i, 1), o2 = s.TaulaMol(i, 2);
    if (s.meca.MecaDemanat && 4 <= at->col && at->col <= 16)
        capture(s, *at, o1, o2);
    react(s, i, *at, o1, o2);
}

} // namespace tarvon
