#include "engine/demo_population.h"

#include "engine/catom.h"
#include "engine/csolido.h"
#include "engine/orienta.h"

#include <cmath>

namespace tarvon {

void SetDemoBox(SimulationState& s) {
    // Box of the reference screen with CostatNP 12 and a bond of 200.
    s.CaixaX = 4168.8f;
    s.CaixaY = 6862.7952f;
    s.CaixaZ = s.CaixaX;
    s.DesplX = 625.32f;
    s.DesplY = 625.32f;
    s.Persp = std::sqrt(s.DesplX * s.DesplX + s.DesplY * s.DesplY);
    s.AnglePersp = std::atan(s.DesplY / s.DesplX);
    s.OrigenX = 562.94f;
    s.OrigenY = 194;
}

namespace {

constexpr int kBlockSide = 3; // sites per edge of the block

// Two layers of opposite parity, 3 x 1 x 3 sites each, centred on the floor:
// slots 0 ... 17 become lattice sites.
void CreaBlocDemo(SimulationState& s) {
    const float dA = 210, dB = 165; // oxide and mercury ions
    s.DistEnllac = (dA + dB) / 2;
    LatticeLayer layer;
    layer.Dian = dA;
    layer.Diap = dB;
    layer.dAjustX = layer.dAjusty = (dA - dB) / 2;
    layer.NB0 = kBlockSide * kBlockSide;
    layer.Nx = layer.Nz = kBlockSide;
    layer.Ny = 1;
    layer.fillA = {0, 190, 255};
    layer.borderA = layer.borderB = {0, 0, 255};
    layer.fillB = {255, 100, 0};

    CSolido solid;
    const float margin = (s.CaixaX - kBlockSide * s.DistEnllac) / 2;
    const float top = s.DesplY + s.OrigenY + s.CaixaY;
    solid.setXB(margin + s.OrigenX);
    solid.setZB(margin);
    for (int ps = 0; ps <= 1; ++ps) {
        solid.setYB(top - (2 - ps) * s.DistEnllac);
        layer.ps = ps;
        solid.Vibracio_Boles(s, layer);
    }
}

} // namespace

void CreaPoblacioDemo(SimulationState& s, UniformRandom& rnd, int molecules) {
    const CAtom atoms;
    rnd.reseedFromClock();
    s.Reaccio = "HI";
    s.Diam = 150;
    s.FactorEnllac = 0.85f;
    const int first = 2 * kBlockSide * kBlockSide;
    const int total = first + molecules;
    s.NumA = s.NumB = s.NombreMol = total;
    atoms.Crea_AtomsA(s, total);
    atoms.Crea_AtomsB(s, total);
    atoms.Propietats_AtomsA(s, 1.33f * s.Diam, total, {0, 190, 255}, {0, 0, 255});
    atoms.Propietats_AtomsB(s, 0.37f * s.Diam, total, {255, 100, 0}, {0, 0, 255});
    CreaBlocDemo(s);
    s.DistEnllac = 255;
    for (int i = first; i < total; ++i) {
        s.TaulaMol(i, 0) = 0;
        s.TaulaMol(i, 1) = static_cast<std::int16_t>(i);
        s.TaulaMol(i, 2) = static_cast<std::int16_t>(i);
        s.MidaMol[i] = 2 * s.RadiA[i];
        s.EnSolid[i] = false;
        Orienta(s, rnd, i, static_cast<float>(rnd.next() * 181));
        const float L = s.RadiA[i] + s.RadiB[i];
        s.PosX[i] = static_cast<float>(std::floor((s.CaixaX - 2 * L) * rnd.next()) + s.OrigenX + L);
        s.PosY[i] = static_cast<float>(std::floor((s.CaixaY - 2 * L) * rnd.next()) + s.OrigenY + L);
        s.PosZ[i] = static_cast<float>(std::floor((s.CaixaZ - 2 * L) * rnd.next()) + L);
        const double speed = 20 + 40 * rnd.next(); // twips per tick
        const double phi = 2 * 3.14159265358979 * rnd.next();
        const double cosTheta = 2 * rnd.next() - 1;
        const double sinTheta = std::sqrt(1 - cosTheta * cosTheta);
        s.VelX[i] = static_cast<float>(speed * sinTheta * std::cos(phi));
        s.VelY[i] = static_cast<float>(speed * sinTheta * std::sin(phi));
        s.VelZ[i] = static_cast<float>(speed * cosTheta);
    }
}

} // namespace tarvon
